#include "core/handoff/TargetTable.h"

#include "core/handoff/TargetWording.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::TargetProgram;
using core::TargetWording;

TEST(TargetTableTest, AModeNoTargetStandsForNamesNothingButStillHandsToReGet) {
    const auto unknown = TargetProgram{7};
    EXPECT_EQ(core::TargetTable::find(unknown), nullptr);
    EXPECT_EQ(core::TargetTable::forHandOff(unknown).mode, TargetProgram::ReGet);
    for (const core::TargetKind& kind : core::TargetTable::kinds()) {
        EXPECT_EQ(core::TargetTable::find(kind.mode), &kind);
    }
}

TEST(TargetTableTest, TextsNameANewTargetAndKeepTheFirstManagersWords) {
    struct Case {
        TargetProgram mode;
        const char* title;
        const char* choice;
        const char* note;
    };
    const Case cases[] = {
        {TargetProgram::ReGet, "Add items to NetVamp", "NetVamp/ReGet",
         "Note: Download directory only applies to NetVampire (currently)"},
        {TargetProgram{9}, "Add items to NetVamp", "NetVamp/ReGet",
         "Note: Download directory only applies to NetVampire (currently)"},
        {TargetProgram::Aria2, "Add items to aria2", "aria2",
         "Note: Download directory is where aria2 saves the files"},
        {TargetProgram::Command, "Add items to Command", "Command",
         "Note: Download directory is where Command saves the files"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(TargetWording::addingTitle(c.mode), c.title);
        EXPECT_EQ(TargetWording::sequenceChoice(c.mode), c.choice);
        EXPECT_EQ(TargetWording::folderNote(c.mode), c.note);
    }
}

} // namespace
} // namespace harvex2::test
