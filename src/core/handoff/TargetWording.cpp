#include "core/handoff/TargetWording.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/handoff/TargetTable.h"

#include <optional>
#include <string_view>

namespace harvex2::core {

namespace {

// Null for the first managers, and for a Mode no target stands for.
std::optional<std::string> newTargetName(TargetProgram mode) {
    const TargetKind* kind = TargetTable::find(mode);
    if (!kind || kind->classic) {
        return std::nullopt;
    }
    return std::string(kind->name);
}

} // namespace

std::string TargetWording::targetName(TargetProgram mode, const SettingsRecord& settings) {
    if (mode == TargetProgram::Aria2) {
        return Aria2Endpoints::shownName(Aria2Endpoints::chosen(settings));
    }
    const TargetKind* kind = TargetTable::find(mode);
    return kind ? std::string(kind->name) : std::string();
}

std::string TargetWording::addingTitle(TargetProgram mode, const SettingsRecord& settings) {
    if (!newTargetName(mode)) {
        return "Add items to NetVamp";
    }
    return "Add items to " + targetName(mode, settings);
}

std::string TargetWording::sequenceChoice(TargetProgram mode) {
    return newTargetName(mode).value_or("NetVamp/ReGet");
}

std::string TargetWording::folderNote(TargetProgram mode) {
    if (const auto name = newTargetName(mode)) {
        return "Note: Download directory is where " + *name + " saves the files";
    }
    return "Note: Download directory only applies to NetVampire (currently)";
}

std::string TargetWording::countMessage(TargetProgram mode, std::int32_t files) {
    const std::string count = "Harvex has added " + std::to_string(files) + " files to ";
    if (const auto name = newTargetName(mode)) {
        return count + "download managers; the one chosen now is " + *name;
    }
    return count + "NetVampire";
}

} // namespace harvex2::core
