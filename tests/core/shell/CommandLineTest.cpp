#include "core/shell/CommandLine.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(CommandLine, NoArgumentsOpensNothing) {
    const CommandLine line({});
    EXPECT_FALSE(line.developerMode());
    EXPECT_FALSE(line.linkListFile());
}

TEST(CommandLine, UnquotedPathWithSpacesIsJoined) {
    const CommandLine line({"C:\\My", "Lists\\a.nva"});
    EXPECT_EQ(line.linkListFile(), "C:\\My Lists\\a.nva");
}

TEST(CommandLine, DeveloperSwitchIsExactAndSuppressesTheFile) {
    const CommandLine dev({"-dev", "a.nva"});
    EXPECT_TRUE(dev.developerMode());
    EXPECT_FALSE(dev.linkListFile());
    const CommandLine capitals({"-DEV"});
    EXPECT_FALSE(capitals.developerMode());
    EXPECT_FALSE(capitals.linkListFile());
}

TEST(CommandLine, ExtensionTestIgnoresCaseOnly) {
    EXPECT_EQ(CommandLine({"/tmp/list.Nva"}).linkListFile(), "/tmp/list.Nva");
    EXPECT_FALSE(CommandLine({"list.nva.txt"}).linkListFile());
    EXPECT_FALSE(CommandLine({"list"}).linkListFile());
    EXPECT_FALSE(CommandLine({"dir.nva\\list"}).linkListFile());
}

TEST(CommandLine, ExtensionStopsAtBackslashOrColon) {
    EXPECT_EQ(CommandLine::extensionOf("a.b\\c"), "");
    EXPECT_EQ(CommandLine::extensionOf("a.b:c"), "");
    EXPECT_EQ(CommandLine::extensionOf("C:\\x\\a.nva"), ".nva");
    EXPECT_EQ(CommandLine::extensionOf("a."), ".");
}

} // namespace
} // namespace harvex2::core
