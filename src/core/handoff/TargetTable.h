#pragma once

#include "core/handoff/TargetKind.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace harvex2::core {

// A target as a route names it: a row of the table and, for aria2, one of its endpoints.
struct NamedTarget {
    const TargetKind* kind;
    // The endpoint's name; empty for other targets.
    std::string endpoint;
    // The settings of an Add that hands links to this target.
    SettingsRecord chosenIn(SettingsRecord settings) const;
};

// Every target the program can hand links to, in the order the Program radios stand. A new
// target is one row here, one pass, and one registry row for its looks and Options group.
class TargetTable {
public:
    static std::span<const TargetKind> kinds();
    // Null for a stored Mode no target stands for: such a value is kept, but names nothing.
    static const TargetKind* find(TargetProgram mode);
    // The target an Add hands links to: a Mode no target stands for has always meant ReGet.
    static const TargetKind& forHandOff(TargetProgram mode);
    // The target `name` stands for, case ignored: an aria2 endpoint of `settings`, else a
    // target of the table ("aria2" alone: the endpoint chosen in `settings`).
    static std::optional<NamedTarget> findByName(std::string_view name,
                                                 const SettingsRecord& settings);
};

} // namespace harvex2::core
