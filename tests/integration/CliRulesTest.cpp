#include "CliRun.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopbackHttpServer.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2::test {
namespace {

using Args = std::vector<std::string>;

std::string record(char flag, std::string_view text) {
    std::string bytes{flag, static_cast<char>(text.size())};
    bytes += text;
    bytes.append(128 - text.size(), '\0');
    return bytes;
}

// A list file with the Base URL "http://b/" and these entries, unchecked unless "*" leads.
std::string listFile(const TempFolder& folder, const std::vector<std::string>& entries) {
    std::string bytes = record(0, "142") + record(0, "http://b/") + record(0, "");
    for (const std::string& entry : entries) {
        const bool checked = entry.starts_with('*');
        bytes += record(checked ? 1 : 0, checked ? entry.substr(1) : entry);
    }
    return folder.makeFile("in.nva", bytes);
}

class CliRules : public testing::Test {
protected:
    CliOutcome cli(const Args& args) { return runCli(folder, args); }

    TempFolder folder;
    std::string page =
        folder.makeFile("page.html", "<a href=a.jpg>1</a><a href=thumb.jpg>2</a><a href=c.zip>3</a>"
                                     "<a href=d.png>4</a>");
};

TEST_F(CliRules, TheOptionsApplyInTheOrderGivenAndTheFirstSignSetsTheStart) {
    const std::string rules = folder.makeFile("r.rules", "# pictures\n+ ext:jpg,png\n\n");
    const struct {
        Args options;
        std::string out;
    } cases[] = {
        {{"--select", "ext:jpg"}, "a.jpg\nthumb.jpg\n"},
        {{"--exclude", "ext:zip"}, "a.jpg\nthumb.jpg\nd.png\n"},
        {{"--rules", rules, "--exclude", "text:thumb"}, "a.jpg\nd.png\n"},
        {{"--exclude", "text:thumb", "--rules", rules}, "a.jpg\nthumb.jpg\nc.zip\nd.png\n"},
        {{"--exclude", "ext:jpg", "--select", "glob:*thumb*"}, "thumb.jpg\nc.zip\nd.png\n"},
    };
    for (const auto& c : cases) {
        Args args = {"extract", page};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto outcome = cli(args);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.out, c.out) << c.options.back();
    }
}

TEST_F(CliRules, ListsKeepEveryEntryWithItsNewStateUnlessOnlySelectedIsAsked) {
    // Relative entries are seen resolved against the list's Base URL.
    const std::string list = listFile(folder, {"*a.jpg", "http://other/b.jpg", "*c.zip"});
    auto outcome = cli({"list", list, "--select", "host:b"});
    EXPECT_EQ(outcome.out,
              "base\thttp://b/\ndirectory\t\n1\ta.jpg\n0\thttp://other/b.jpg\n1\tc.zip\n");
    outcome = cli({"list", list, "--exclude", "ext:zip", "--only-selected"});
    EXPECT_EQ(outcome.out, "base\thttp://b/\ndirectory\t\n1\ta.jpg\n1\thttp://other/b.jpg\n");

    const std::string text = folder.file("out.txt");
    outcome = cli({"convert", list, "--to", "text", "--select", "ext:jpg", "-o", text});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(TempFolder::read(text), "http://b/a.jpg\r\nhttp://other/b.jpg\r\nhttp://b/c.zip\r\n");
    outcome = cli({"convert", list, "--to", "nva", "--select", "ext:zip", "--only-selected", "-o",
                   folder.file("out.nva")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(TempFolder::read(folder.file("out.nva")),
              record(0, "142") + record(0, "http://b/") + record(0, "") + record(1, "c.zip"));
}

TEST_F(CliRules, SendHandsOverOnlyThePickedLinksAndSentHoldsForThemAfter) {
    LoopbackHttpServer server{[](const HttpRequest& request) {
        return HttpReply{200, "got " + request.path};
    }};
    Aria2Daemon aria2{folder.path()};
    const std::string site = server.address() + "/site/";
    const std::string links =
        folder.makeFile("links", site + "a.txt\n" + site + "thumb.txt\n" + site +
                                     "a.%74xt#again\n" + site + "b.txt\n");
    const auto outcome =
        cli({"send", "--aria2", "--rpc", aria2.url(), "--secret", Aria2Daemon::kSecret, "--dir",
             folder.file("down"), "--exclude", "text:thumb", "--unique", links});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(std::ranges::count(outcome.out, '\n'), 2) << outcome.out;
    EXPECT_NE(outcome.out.find("\t" + site + "b.txt\n"), std::string::npos) << outcome.out;
    EXPECT_TRUE(Aria2Daemon::arrives(folder.file("down/a.txt"), "got /site/a.txt"));

    const std::string unsent = folder.file("unsent.txt");
    const auto left = cli(
        {"convert", links, "--to", "text", "--exclude", "sent:", "--only-selected", "-o", unsent});
    EXPECT_EQ(left.status, 0) << left.err;
    EXPECT_EQ(TempFolder::read(unsent), site + "thumb.txt\r\n");
}

TEST_F(CliRules, ARuleThatDoesNotParseStopsTheCommandWithItsPlace) {
    const std::string bad = folder.makeFile("bad.rules", "+ ext:jpg\n\n- re:(\n");
    const struct {
        Args args;
        std::string first;
    } cases[] = {
        {{"extract", page, "--select", "ext:jpg", "--rules", bad},
         "harvex2-cli: " + bad + ", line 3, column 6: "},
        {{"list", "x.nva", "--exclude", "re:a("}, "harvex2-cli: --exclude 're:a(', column 4: "},
        {{"extract", page, "--rules", folder.file("none")},
         "harvex2-cli: " + folder.file("none") + ": File not found\n"},
        {{"extract", page, "--select", "ext:jpg\n- ext:png"},
         "harvex2-cli: option '--select' takes one rule line\n"},
    };
    for (const auto& c : cases) {
        const auto outcome = cli(c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.substr(0, c.first.size()), c.first) << outcome.err;
    }
}

TEST_F(CliRules, ExplainTellsTheLineThatDecidedEachLink) {
    const std::string rules = folder.makeFile("r.rules", "- ext:zip\n+ text:thumb\n");
    const auto outcome =
        cli({"extract", page, "--rules", rules, "--select", "ext:png", "--explain"});
    EXPECT_EQ(outcome.out, "a.jpg\nthumb.jpg\nd.png\n");
    EXPECT_EQ(outcome.err, "no line\ta.jpg\n" + rules + ", line 2: + text:thumb\tthumb.jpg\n" +
                               rules + ", line 1: - ext:zip\tc.zip\n+ ext:png\td.png\n");
}

TEST_F(CliRules, UniqueKeepsTheFirstCopyCheckedWhenAnyWas) {
    const std::string list =
        listFile(folder, {"HTTP://B:80/a%7e", "*http://b/a~#top", "http://b/c?utm_source=x",
                          "http://b/c", "c?gclid=1"});
    auto outcome = cli({"list", list, "--unique"});
    EXPECT_EQ(outcome.out, "base\thttp://b/\ndirectory\t\n1\tHTTP://B:80/a%7e\n"
                           "0\thttp://b/c?utm_source=x\n0\thttp://b/c\n0\tc?gclid=1\n");
    outcome = cli({"list", list, "--unique-strip-tracking"});
    EXPECT_EQ(outcome.out, "base\thttp://b/\ndirectory\t\n1\tHTTP://B:80/a%7e\n"
                           "0\thttp://b/c?utm_source=x\n");
}

} // namespace
} // namespace harvex2::test

#endif
