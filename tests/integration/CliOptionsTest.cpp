#include "CliRun.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2::test {
namespace {

using Args = std::vector<std::string>;

TEST(CliOptions, EveryCommandRefusesAWrongOptionInTheSameWords) {
    TempFolder folder;
    const std::pair<Args, std::string> rows[] = {
        {{"extract", "-5"}, "unknown option '-5'"},
        {{"list", "--null=1", "a.nva"}, "unknown option '--null=1'"},
        {{"convert", "in.txt", "-o=out.txt"}, "unknown option '-o=out.txt'"},
        {{"send", "--aria2=1"}, "unknown option '--aria2=1'"},
        {{"sequence", "a|", "1", "2", "--zeros"}, "option '--zeros' needs a value"},
        {{"send", "--aria2", "--rpc"}, "option '--rpc' needs a value"},
        {{"send", "--aria2", "--wait=soon"}, "'--wait' takes a number of seconds, not 'soon'"},
        {{"extract", "p.htm", "--base"}, "option '--base' needs a URL"},
        {{"convert", "in.txt", "--to=pdf"},
         "'--to' takes nva, html, text, aria2, wget, curl or jsonl, not 'pdf'"},
        {{"sequence", "--marker", "*", "a*", "1", "2"}, "option '--marker' takes one of | # ~ ^"},
    };
    for (const auto& [args, problem] : rows) {
        SCOPED_TRACE(testing::PrintToString(args));
        const CliOutcome outcome = runCli(folder, args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_TRUE(outcome.err.starts_with("harvex2-cli: " + problem + "\nusage: "))
            << outcome.err;
    }
}

TEST(CliOptions, ALongOptionTakesItsValueAfterAnEqualsSign) {
    TempFolder folder;
    const std::string in = folder.makeFile("in.txt", "http://h/a\n");
    const std::string out = folder.file("out.txt");
    EXPECT_EQ(runCli(folder, {"convert", in, "--to=text", "--output=" + out}).status, 0);
    EXPECT_EQ(TempFolder::read(out), "http://h/a\r\n");
}

} // namespace
} // namespace harvex2::test

#endif
