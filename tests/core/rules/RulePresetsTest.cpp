#include "core/rules/RulePresets.h"

#include "platform/IoError.h"
#include "support/core/TempFolder.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(RulePresets, NamesFollowProfileNamesAndMakeNoPaths) {
    for (const char* bad : {"", ".", "..", "a/b", "a\\b", "a\tb"}) {
        EXPECT_TRUE(RulePresets::nameProblem(bad)) << bad;
    }
    for (const char* good : {"pictures", "...", ".hidden", "caf\xc3\xa9 list"}) {
        EXPECT_FALSE(RulePresets::nameProblem(good)) << good;
    }
    EXPECT_EQ(RulePresets::nameOfFile("/x/y/pictures.rules"), "pictures");
    EXPECT_EQ(RulePresets::nameOfFile("notes.txt"), "notes.txt");
}

TEST(RulePresets, SavesListsCopiesAndDeletesPlainFiles) {
    const test::TempFolder folder;
    const RulePresets presets(folder.file("config/rules"));
    EXPECT_TRUE(presets.names().empty());
    presets.save("pictures", "+ ext:jpg\n");
    presets.save("archives", "+ ext:zip\n");
    folder.makeFile("config/rules/a b.txt", "not a preset");
    EXPECT_EQ(presets.names(), (std::vector<std::string>{"archives", "pictures"}));
    EXPECT_EQ(test::TempFolder::read(folder.file("config/rules/pictures.rules")), "+ ext:jpg\n");

    presets.exportTo("pictures", folder.file("out.rules"));
    EXPECT_EQ(test::TempFolder::read(folder.file("out.rules")), "+ ext:jpg\n");
    presets.importFile(folder.file("out.rules"), "copy");
    EXPECT_EQ(presets.load("copy"), "+ ext:jpg\n");

    EXPECT_TRUE(presets.remove("pictures"));
    EXPECT_FALSE(presets.remove("pictures"));
    EXPECT_THROW(presets.load("pictures"), platform::IoError);
    EXPECT_THROW(presets.save("../escape", "x"), platform::IoError);
    EXPECT_EQ(presets.names(), (std::vector<std::string>{"archives", "copy"}));
}

} // namespace
} // namespace harvex2::core
