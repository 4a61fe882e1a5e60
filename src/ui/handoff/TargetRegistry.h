#pragma once

#include "core/shell/SettingsRecord.h"
#include "ui/handoff/StatePictures.h"

#include <span>

namespace harvex2::ui {

class TargetOptionsGroup;

// How a target of the core's target table looks in the windows.
struct TargetLook {
    core::TargetProgram mode;
    // The Program radio's object name, and its tooltip (nullptr: none).
    const char* radioName;
    const char* radioTooltip;
    PictureSet pictures;
    // The target's Add Options group; nullptr for none. Targets whose rows name the same
    // maker share one group.
    TargetOptionsGroup* (*makeOptionsGroup)();
};

// The window side of the target table, one row per target in the same order.
class TargetRegistry {
public:
    static std::span<const TargetLook> looks();
    // Null for a Mode no target stands for.
    static const TargetLook* find(core::TargetProgram mode);
    // The pictures the hand-off shows: Net Vampire's for a Mode no target stands for.
    static PictureSet picturesFor(core::TargetProgram mode);
};

} // namespace harvex2::ui
