#pragma once

#include "core/shell/SettingsRecord.h"

#include <cstdint>
#include <string>

namespace harvex2::core {

// The texts that name the chosen target. The managers the program was first written for
// keep the words they always had, even where those name only one of them; any other target
// is named as it is.
class TargetWording {
public:
    // The target as the windows name it: for aria2, the endpoint `settings` choose. Empty for
    // a Mode no target stands for.
    static std::string targetName(TargetProgram mode, const SettingsRecord& settings);
    // The Adding window's group title.
    static std::string addingTitle(TargetProgram mode,
                                   const SettingsRecord& settings = SettingsRecord{});
    // The sequence dialog's radio that adds to the target.
    static std::string sequenceChoice(TargetProgram mode);
    // The tooltip of the main window's download folder.
    static std::string folderNote(TargetProgram mode);
    // Help > Count: `files` counts every target links ever went to.
    static std::string countMessage(TargetProgram mode, std::int32_t files);
};

} // namespace harvex2::core
