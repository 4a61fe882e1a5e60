#include "CliRun.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2 {
namespace {

using namespace std::string_literals;
using Args = std::vector<std::string>;

std::string record(char flag, std::string_view text) {
    std::string bytes{flag, static_cast<char>(text.size())};
    bytes += text;
    bytes.append(128 - text.size(), '\0');
    return bytes;
}

class CliListFiles : public testing::Test {
protected:
    CliListFiles() {
        list = folder.makeFile("in.NVA", record(0, "142") + record(0, "http://b/") +
                                             record(0, "dl dir") + record(1, "a.zip") +
                                             record(0, "http://x/<b>.zip"));
    }
    test::CliOutcome cli(const Args& args) { return test::runCli(folder, args); }

    test::TempFolder folder;
    std::string list;
};

TEST_F(CliListFiles, ListPrintsTheHeaderAndEachEntryWithItsState) {
    const auto outcome = cli({"list", list});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "base\thttp://b/\ndirectory\tdl dir\n1\ta.zip\n0\thttp://x/<b>.zip\n");
    EXPECT_EQ(outcome.err, "");

    test::TempFolder::write(list, test::TempFolder::read(list) + "cut");
    const auto cut = cli({"list", "-0", list});
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.out, "base\thttp://b/\0directory\tdl dir\0001\ta.zip\0000\thttp://x/<b>.zip\0"s);
    EXPECT_EQ(cut.err, "harvex2-cli: " + list + ": Read beyond end of file\n");

    const auto missing = cli({"list", folder.file("none.nva")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "harvex2-cli: " + folder.file("none.nva") + ": File not found\n");
}

TEST_F(CliListFiles, ConvertWritesTheFormsOfTheSaveDialog) {
    const std::string text = folder.file("out.txt");
    EXPECT_EQ(cli({"convert", list, "--to", "text", "-o", text}).status, 0);
    EXPECT_EQ(test::TempFolder::read(text), "http://b/a.zip\r\nhttp://x/<b>.zip\r\n");
    EXPECT_EQ(
        cli({"convert", list, "--to", "text", "--unselected", "--base", "", "-o", text}).status, 0);
    EXPECT_EQ(test::TempFolder::read(text), "http://x/<b>.zip\r\n");

    const std::string page = folder.file("out.htm");
    EXPECT_EQ(cli({"convert", list, "--to", "html", "--selected", "-o", page}).status, 0);
    const std::string html = test::TempFolder::read(page);
    EXPECT_NE(html.find("<LI><A HREF=\"http://b/a.zip\">http://b/a.zip</A></LI>\r\n</UL><HR>"),
              std::string::npos)
        << html;

    // A plain-text list becomes a list file of unchecked entries, the base given kept.
    const std::string plain = folder.makeFile("links.txt", "one\r\n\ntwo");
    const std::string nva = folder.file("out.nva");
    EXPECT_EQ(cli({"convert", plain, "--to", "nva", "--base", "http://c/", "-o", nva}).status, 0);
    EXPECT_EQ(test::TempFolder::read(nva), record(0, "142") + record(0, "http://c/") +
                                               record(0, "") + record(0, "one") + record(0, "two"));
}

TEST_F(CliListFiles, ConvertFailuresNameTheFileAndUsageErrorsExitWithTwo) {
    const auto unreadable = cli({"convert", folder.file("no.nva"), "--to", "text", "-o", "x"});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.err, "harvex2-cli: " + folder.file("no.nva") + ": File not found\n");

    const std::string out = folder.file("none/out.txt");
    const auto unwritable = cli({"convert", list, "--to", "text", "-o", out});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "harvex2-cli: " + out + ": File not found\n");

    for (const Args& args : {Args{"convert", list, "-o", "x"}, Args{"convert", list, "--to", "pdf"},
                             Args{"convert", list, "--to", "nva", "--selected", "-o", "x"},
                             Args{"list"}, Args{"list", "a.nva", "b.nva"}}) {
        EXPECT_EQ(cli(args).status, 2) << args.back();
    }
}

TEST_F(CliListFiles, ConvertToNvaRefusesLongLinksUnlessTheyMayBeCut) {
    const std::string longLink = "http://x/" + std::string(264, 'l');
    const std::string plain = folder.makeFile("long.txt", "short\n" + longLink + "\n");
    const std::string nva = folder.file("out.nva");
    const auto refused = cli({"convert", plain, "--to", "nva", "-o", nva});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "harvex2-cli: 1 link is longer than 128 bytes and is cut in a Harvex "
                           "links list:\n" +
                               longLink +
                               "\nharvex2-cli: nothing written; --cut-long saves them cut\n");
    EXPECT_FALSE(std::filesystem::exists(nva));

    EXPECT_EQ(cli({"convert", plain, "--to", "nva", "--cut-long", "-o", nva}).status, 0);
    EXPECT_EQ(test::TempFolder::read(nva), record(0, "142") + record(0, "") + record(0, "") +
                                               record(0, "short") +
                                               record(0, longLink.substr(0, 128)));
}

// A FIFO would hold each command until a writer came, and /dev/zero never ends.
TEST_F(CliListFiles, EveryCommandRefusesAFileThatIsNotRegularAndNamesIt) {
    // A plain-text list and a list file: convert reads them on two paths.
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string zero = folder.file("zero.nva");
    std::filesystem::create_symlink("/dev/zero", zero);
    const std::string out = folder.file("out.txt");
    for (const std::string& file : {fifo, zero}) {
        const std::string named = file + ": Not a regular file\n";
        const std::pair<Args, std::string> rows[] = {
            {{"list", file}, named},
            {{"convert", file, "--to", "text", "-o", out}, named},
            {{"send", "--aria2", "--rpc", "http://127.0.0.1:9/", file}, named},
            {{"extract", file},
             "Error opening the HTML source file '" + file + "': Not a regular file\n"},
        };
        for (const auto& [args, err] : rows) {
            SCOPED_TRACE(testing::PrintToString(args));
            const auto outcome = cli(args);
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.err, "harvex2-cli: " + err);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace harvex2

#endif
