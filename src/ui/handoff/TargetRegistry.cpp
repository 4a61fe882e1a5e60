#include "ui/handoff/TargetRegistry.h"

#include "ui/shell/Aria2Group.h"
#include "ui/shell/CommandGroup.h"
#include "ui/shell/NetVampireGroup.h"

#include <algorithm>

namespace harvex2::ui {

namespace {

using core::TargetProgram;

TargetOptionsGroup* netVampireGroup() {
    return new NetVampireGroup;
}

TargetOptionsGroup* aria2Group() {
    return new Aria2Group;
}

TargetOptionsGroup* commandGroup() {
    return new CommandGroup;
}

constexpr TargetLook kLooks[] = {
    {TargetProgram::NetVampire, "optNetVampire",
     "Attempt to connect to NetVampire (version 2.41+ only)", PictureSet::NetVampire,
     netVampireGroup},
    {TargetProgram::NetVampire3, "optNetVampire3", nullptr, PictureSet::NetVampire,
     netVampireGroup},
    {TargetProgram::ReGet, "optReGet", "Attempt to connect to ReGet", PictureSet::ReGet, nullptr},
    {TargetProgram::Aria2, "optAria2", "Hand links to aria2 over its RPC interface",
     PictureSet::Aria2, aria2Group},
    {TargetProgram::Command, "optCommand", "Run a program of your choice for each link",
     PictureSet::Command, commandGroup},
};

} // namespace

std::span<const TargetLook> TargetRegistry::looks() {
    return kLooks;
}

const TargetLook* TargetRegistry::find(core::TargetProgram mode) {
    const auto* look = std::ranges::find(kLooks, mode, &TargetLook::mode);
    return look == std::end(kLooks) ? nullptr : look;
}

PictureSet TargetRegistry::picturesFor(core::TargetProgram mode) {
    const TargetLook* look = find(mode);
    return look ? look->pictures : PictureSet::NetVampire;
}

} // namespace harvex2::ui
