#include "CliRun.h"
#include "core/sequence/SequencePlan.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2 {
namespace {

using namespace std::string_literals;
using Args = std::vector<std::string>;

class CliSequence : public testing::Test {
protected:
    test::CliOutcome cli(const Args& args) { return test::runCli(folder, args); }

    test::TempFolder folder;
};

TEST_F(CliSequence, PrintsTheUrlsTheDialogMakes) {
    core::SequenceFields fields;
    fields.url = "http://h/a#b|c";
    fields.charDigit = 1;
    fields.zeros = true;
    fields.zerosCount = "3";
    fields.start = "-2";
    fields.end = "$10";
    fields.step = "5";
    const core::SequencePlan plan(fields);
    std::string expected;
    std::string url;
    for (std::uint64_t i = 0; i < plan.count(); ++i) {
        plan.urlAt(i, url);
        expected += url + '\n';
    }
    ASSERT_EQ(expected,
              "http://h/a-002b|c\nhttp://h/a003b|c\nhttp://h/a008b|c\nhttp://h/a013b|c\n");

    const auto outcome =
        cli({"sequence", "--marker", "#", "--zeros=3", fields.url, "-2", "$10", "5"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(outcome.err, "");
}

TEST_F(CliSequence, DownloadPathsFollowATab) {
    for (const char* dir : {"/dl", "/dl/"}) {
        SCOPED_TRACE(dir);
        const auto outcome = cli({"sequence", "--dir", dir, "-0", "files/x/f|.zip", "7", "8"});
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.out, "files/x/f7.zip\t/dl/f7.zip\0files/x/f8.zip\t/dl/f8.zip\0"s);
    }
    EXPECT_EQ(cli({"sequence", "--dir=/dl", "x/|/", "1", "1"}).out, "x/1/\t/dl/\n");
    EXPECT_EQ(cli({"sequence", "--dir", "", "|", "1", "1"}).out, "1\n");
}

TEST_F(CliSequence, TheDialogsMessagesGoToStandardError) {
    const std::vector<std::pair<Args, std::string>> rows = {
        {{"no marker", "1", "2"}, "Can't find the digit position marker"},
        {{"--marker", "^", "a|", "1", "2"}, "Can't find the digit position marker"},
        {{"a|", "one", "2"}, "'one' is not a valid integer value"},
        {{"--zeros", "x", "a|", "1", "2"}, "'x' is not a valid integer value"},
        {{"--zeros", "225", "a|", "1", "2"}, "Format string too long"},
        {{"a|", "1", "2", "0"}, "Step must be 1 or more, not 0."},
        {{"a|", "3", "2"}, "The range holds no numbers: Go to (2) is less than Start at (3)."},
    };
    for (const auto& [args, message] : rows) {
        SCOPED_TRACE(testing::PrintToString(args));
        Args line{"sequence"};
        line.insert(line.end(), args.begin(), args.end());
        const auto outcome = cli(line);
        EXPECT_EQ(outcome.status, 1) << message;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "harvex2-cli: " + message + "\n");
    }
}

TEST_F(CliSequence, GlobStreamsEveryUrlWithItsName) {
    const auto plain = cli({"sequence", "--glob", "http://h/[08-10:2]{a,b}"});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, "http://h/08a\nhttp://h/08b\nhttp://h/10a\nhttp://h/10b\n");
    const auto named = cli({"sequence", "--glob=http://h/[a-b]/p[1-2].jpg", "--mask", "#1_#2.*ext*",
                            "--dir", "/d", "-0"});
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.out, "http://h/a/p1.jpg\t/d/a_1.jpg\0http://h/a/p2.jpg\t/d/a_2.jpg\0"
                         "http://h/b/p1.jpg\t/d/b_1.jpg\0http://h/b/p2.jpg\t/d/b_2.jpg\0"s);
    const auto refused = cli({"sequence", "--glob", "ab[5-1]"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "harvex2-cli: bad range at position 8\nab[5-1]\n       ^\n");
}

TEST_F(CliSequence, AReaderThatStopsReadingEndsTheRunQuietly) {
    const std::string err = folder.file("stderr");
    const std::string command = test::shellQuoted(HARVEX2_CLI_BINARY) +
                                " sequence 'http://h/|' 1 1000000 2>" + test::shellQuoted(err) +
                                " | head -c 1 >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(test::TempFolder::read(err), "");
}

TEST_F(CliSequence, WrongUsageExitsWithTwo) {
    const std::vector<Args> rows = {
        {"sequence"},
        {"sequence", "a|", "1"},
        {"sequence", "a|", "1", "2", "3", "4"},
        {"sequence", "--marker", "*", "a*", "1", "2"},
        {"sequence", "--marker", "||", "a|", "1", "2"},
        {"sequence", "a|", "1", "2", "--zeros"},
        {"sequence", "--start", "a|", "1", "2"},
        {"sequence", "--glob", "a[1-2]", "1", "2"},
        {"sequence", "--mask", "#1", "a|", "1", "2"},
    };
    for (const auto& args : rows) {
        SCOPED_TRACE(testing::PrintToString(args));
        const auto outcome = cli(args);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("harvex2-cli sequence [--marker C]"), std::string::npos);
    }
    const auto help = cli({"sequence", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--marker C", "--zeros N", "--dir DIR", "-0, --null", "STEP"}) {
        SCOPED_TRACE(option);
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

} // namespace
} // namespace harvex2

#endif
