#include "CliRun.h"
#include "core/extract/ParseHtml.h"
#include "core/extract/SettingsSwitches.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2 {
namespace {

using namespace std::string_literals;

using Outcome = test::CliOutcome;

class CliExtract : public testing::Test {
protected:
    Outcome cli(const std::vector<std::string>& args, const std::string& stdoutTo = {}) {
        return test::runCli(folder, args, stdoutTo);
    }

    test::TempFolder folder;
};

const std::string kPage = "<html><a href=\"a.htm\">a</a><A HREF = \"/b\r\nc\">\r\n"
                          "<a href=\"#top\"><a href=\"q?x=1\"><a href=\"mailto:me@x\">"
                          "<a href=\"x\0y\xE9\"><a title=\"h\" href=\"missed\">"
                          "<a href=\"http://site/abs\"><a href=\"HTTPS://other/\">"s;

TEST_F(CliExtract, AgreesByteForByteWithTheParseHtmlRun) {
    const std::string first = folder.makeFile("first.htm", kPage);
    const std::string second = folder.makeFile("second.html", "<a href=\"2\">\x1a<a href=\"3\">");

    core::LinkList links;
    struct : core::ScanStats {
        void UpdateStats(core::ScanEvent, const core::ScanCounters&) override {}
    } stats;
    struct : platform::StatusBar {
        void setText(platform::StatusPanel, const std::string&) override {}
        std::string text(platform::StatusPanel) const override { return {}; }
    } status;
    test::ScriptedPrompts prompts;
    const core::SettingsRecord defaults;
    const core::SettingsSwitches switches(defaults);
    std::string expected;
    for (const std::string& path : {first, second}) {
        ASSERT_TRUE(core::ParseHTML(path, switches, links, stats, prompts, status));
    }
    for (std::size_t i = 0; i < links.count(); ++i) {
        expected += links.textAt(i) + '\0';
    }
    ASSERT_EQ(links.count(), 6u);

    const Outcome outcome = cli({"extract", "-0", first, second});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(outcome.err, "");
}

TEST_F(CliExtract, OptionsChooseSwitchesSeparatorAndBase) {
    const std::string page = folder.makeFile("p.htm", kPage);
    const std::map<std::vector<std::string>, std::string> rows = {
        {{"extract", page}, "a.htm\n/b\r\nc\nx\0y\xE9\nhttp://site/abs\nHTTPS://other/\n"s},
        {{"extract", "--keep-mailto", "--keep-bookmarks", "--keep-query", "--null", page},
         "a.htm\0/b\r\nc\0#top\0q?x=1\0mailto:me@x\0x\0y\xE9\0http://site/abs\0HTTPS://other/\0"s},
        {{"extract", "--keep-bookmarks", "--base", "http://s/d/", page},
         "http://s/d/a.htm\nhttp://s/d/b\r\nc\nhttp://s/d/#top\nhttp://s/d/x\0y\xE9\n"
         "http://site/abs\nHTTPS://other/\n"s},
        {{"extract", "--keep-mailto", "--base=http://s", page},
         "http://sa.htm\nhttp://s/b\r\nc\nmailto:me@x\nhttp://sx\0y\xE9\nhttp://site/abs\n"
         "HTTPS://other/\n"s},
        {{"extract", "--base", "", "--", page},
         "a.htm\n/b\r\nc\nx\0y\xE9\nhttp://site/abs\nHTTPS://other/\n"s},
    };
    for (const auto& [args, expected] : rows) {
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 0) << args[1];
        EXPECT_EQ(outcome.out, expected) << args[1];
    }
}

TEST_F(CliExtract, AFileThatCannotBeOpenedIsReportedAndTheOthersAreRead) {
    const std::string one = folder.makeFile("one.htm", R"(<a href="1">)");
    const std::string two = folder.makeFile("two.htm", R"(<a href="2">)");
    const std::string missing = folder.file("missing.htm");
    const Outcome outcome = cli({"extract", one, missing, "", two});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "1\n2\n");
    EXPECT_EQ(
        outcome.err,
        "harvex2-cli: Error opening the HTML source file '" + missing +
            "': No such file or directory\n"
            "harvex2-cli: Error opening the HTML source file '': No such file or directory\n");
}

TEST_F(CliExtract, WrongUsageExitsWithTwoAndSaysHow) {
    const std::string page = folder.makeFile("p.htm", R"(<a href="1">)");
    const std::vector<std::vector<std::string>> rows = {
        {},
        {"list", page},
        {"extract"},
        {"extract", "--keep-everything", page},
        {"extract", page, "--base"},
        {"extract", "-0", "--"},
    };
    for (const auto& args : rows) {
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("usage: harvex2-cli extract"), std::string::npos);
    }
}

TEST_F(CliExtract, HelpDocumentsEveryOption) {
    for (const auto& args : {std::vector<std::string>{"--help"}, {"extract", "-h"}}) {
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 0);
        for (const char* option : {"--keep-mailto", "--keep-bookmarks", "--keep-query", "--base",
                                   "-0, --null", "Exit status", "standard error"}) {
            EXPECT_NE(outcome.out.find(option), std::string::npos) << option;
        }
    }
}

TEST_F(CliExtract, OutputThatCannotBeWrittenIsAFailure) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no device that is always full";
    }
    const std::string page = folder.makeFile("p.htm", R"(<a href="1">)");
    const Outcome outcome = cli({"extract", page}, "/dev/full");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("could not be written"), std::string::npos);
}

} // namespace
} // namespace harvex2

#endif
