#pragma once

#include "core/handoff/TargetKind.h"

#include <span>

namespace harvex2::core {

// Every target the program can hand links to, in the order the Program radios stand. A new
// target is one row here, one pass, and one registry row for its looks and Options group.
class TargetTable {
public:
    static std::span<const TargetKind> kinds();
    // Null for a stored Mode no target stands for: such a value is kept, but names nothing.
    static const TargetKind* find(TargetProgram mode);
    // The target an Add hands links to: a Mode no target stands for has always meant ReGet.
    static const TargetKind& forHandOff(TargetProgram mode);
};

} // namespace harvex2::core
