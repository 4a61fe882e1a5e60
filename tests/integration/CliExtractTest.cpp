#include "CliRun.h"
#include "support/core/ParseAtOnce.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2 {
namespace {

using namespace std::string_literals;

using Outcome = test::CliOutcome;

// AddressSanitizer reserves far more address space than any limit a test could set.
#if defined(__SANITIZE_ADDRESS__)
#define HARVEX2_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HARVEX2_ADDRESS_SANITIZER 1
#endif
#endif

class CliExtract : public testing::Test {
protected:
    // Runs the built program as a shell user would, output to files in the scratch folder.
    // `before` holds shell commands run first.
    Outcome cli(const std::vector<std::string>& args, const std::string& stdoutTo = {},
                const std::string& stdinFrom = {}, const std::string& before = {}) {
        return test::runCli(folder, args, stdoutTo, stdinFrom, before);
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
    struct : platform::StatusBar {
        void setText(platform::StatusPanel, const std::string&) override {}
        std::string text(platform::StatusPanel) const override { return {}; }
    } status;
    test::ScriptedPrompts prompts;
    core::SettingsRecord settings;
    settings.resolvePageLinks = false;
    for (const bool quick : {true, false}) {
        SCOPED_TRACE(quick);
        links.clear();
        settings.quickScan = quick;
        for (const std::string& path : {first, second}) {
            ASSERT_TRUE(test::parseAtOnce(path, settings, links, prompts, status));
        }
        std::string expected;
        for (std::size_t i = 0; i < links.count(); ++i) {
            expected.append(links.textAt(i)).push_back('\0');
        }
        ASSERT_EQ(links.count(), quick ? 6u : 8u);

        const Outcome outcome =
            cli(quick ? std::vector<std::string>{"extract", "--quick", "-0", first, second}
                      : std::vector<std::string>{"extract", "-0", first, second});
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.out, expected);
        EXPECT_EQ(outcome.err, "");
    }
}

TEST_F(CliExtract, QuickScanOptionsChooseSwitchesSeparatorAndBase) {
    const std::string page = folder.makeFile("p.htm", kPage);
    const std::map<std::vector<std::string>, std::string> rows = {
        {{"extract", "--quick", page},
         "a.htm\n/b\r\nc\nx\0y\xE9\nhttp://site/abs\nHTTPS://other/\n"s},
        {{"extract", "--quick", "--keep-mailto", "--keep-bookmarks", "--keep-query", "--null",
          page},
         "a.htm\0/b\r\nc\0#top\0q?x=1\0mailto:me@x\0x\0y\xE9\0http://site/abs\0HTTPS://other/\0"s},
        {{"extract", "--quick", "--keep-bookmarks", "--base", "http://s/d/", page},
         "http://s/d/a.htm\nhttp://s/d/b\r\nc\nhttp://s/d/#top\nhttp://s/d/x\0y\xE9\n"
         "http://site/abs\nHTTPS://other/\n"s},
        {{"extract", "--quick", "--keep-mailto", "--base=http://s", page},
         "http://sa.htm\nhttp://s/b\r\nc\nmailto:me@x\nhttp://sx\0y\xE9\nhttp://site/abs\n"
         "HTTPS://other/\n"s},
        {{"extract", "--quick", "--base", "", "--", page},
         "a.htm\n/b\r\nc\nx\0y\xE9\nhttp://site/abs\nHTTPS://other/\n"s},
    };
    for (const auto& [args, expected] : rows) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 0) << args[1];
        EXPECT_EQ(outcome.out, expected) << args[1];
    }
}

// The page of six links a new user tried, read as a browser reads it.
TEST_F(CliExtract, ReadsEveryLinkFormDecodedAndResolvesWhenAsked) {
    const std::string page = folder.makeFile(
        "six.htm", "<!-- saved from url=(0016)http://site/a/b/ -->\n"
                   "<a href=\"double.txt\"><a href='single.txt'><a href=unquoted.txt>"
                   "<a href='q\"uote.txt'>q</a> <a href=\"x.php?a=1&amp;b=2\">"
                   "<a href=\"javascript:void(0)\"><img src=\"../p.png\" srcset=\"s 1x, l 2x\">"
                   "<script>document.write('<a href=\"s\">')</script>");
    const std::map<std::vector<std::string>, std::string> rows = {
        {{"extract", "--keep-query", page},
         "double.txt\nsingle.txt\nunquoted.txt\nq\"uote.txt\nx.php?a=1&b=2\n"},
        {{"extract", "--keep-script-links", page},
         "double.txt\nsingle.txt\nunquoted.txt\nq\"uote.txt\njavascript:void(0)\n"},
        {{"extract", "--media", "--resolve", page},
         "http://site/a/b/double.txt\nhttp://site/a/b/single.txt\nhttp://site/a/b/unquoted.txt\n"
         "http://site/a/b/q\"uote.txt\nhttp://site/a/p.png\nhttp://site/a/b/l\n"},
        {{"extract", "--quick", "--keep-query", "--keep-script-links", page},
         "double.txt\nuote.txt'>q</a> <a href=\njavascript:void(0)\ns\n"},
    };
    for (const auto& [args, expected] : rows) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.out, expected);
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
        {"lists", page},
        {"extract"},
        {"extract", "--keep-everything", page},
        {"extract", page, "--base"},
        {"extract", "-0", "--"},
    };
    for (const auto& args : rows) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("usage: harvex2-cli extract"), std::string::npos);
    }
}

TEST_F(CliExtract, HelpDocumentsEveryOption) {
    for (const auto& args : {std::vector<std::string>{"--help"}, {"extract", "-h"}}) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Outcome outcome = cli(args);
        EXPECT_EQ(outcome.status, 0);
        for (const char* option :
             {"--quick", "--media", "--resolve", "--keep-mailto", "--keep-bookmarks",
              "--keep-query", "--keep-script-links", "--text", "--base", "-0, --null",
              "Exit status", "standard error"}) {
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

TEST_F(CliExtract, DashIsStandardInputAndDoubleDashMakesTheRestFiles) {
    const std::string one = folder.makeFile("one.htm", R"(<a href="1">)");
    const std::string piped = folder.makeFile("piped.htm", R"(<a href="in"><a href="put">)");
    folder.makeFile("-p.htm", R"(<a href="dash">)");
    folder.makeFile("--", R"(<a href="dashes">)");
    EXPECT_EQ(cli({"extract", one, "-", one}, {}, piped).out, "1\nin\nput\n1\n");
    const std::string inFolder = "cd " + test::shellQuoted(folder.path()) + "; ";
    const Outcome named = cli({"extract", "--", "-p.htm", "--"}, {}, {}, inFolder);
    EXPECT_EQ(named.status, 0);
    EXPECT_EQ(named.out, "dash\ndashes\n");
    // Before the two dashes the same name is an option the command does not know.
    const Outcome refused = cli({"extract", "-p.htm"}, {}, {}, inFolder);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
}

TEST_F(CliExtract, TextFindsTheLinksOfPlainTextFromFilesAndStandardInput) {
    const std::string mail =
        folder.makeFile("mail.txt", "See <a href=\"x\">www.h.com/?q#a</a>, http://h/$1\n");
    const std::string chat = folder.makeFile("chat.txt", "[url]ftp://h/f[/url] mailto:me@h");
    const Outcome outcome = cli({"extract", "--text", mail, "-"}, {}, chat);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "http://www.h.com/?q#a\nhttp://h/$1\nftp://h/f\n");
}

// The page comes through standard input, so the test knows how much of it the program took.
TEST_F(CliExtract, ReadingStopsOnceTheReaderClosesTheOutput) {
    constexpr std::size_t kOffered = 64 << 20;
    constexpr std::size_t kPiece = 64 << 10;
    int input[2];
    int output[2];
    ASSERT_EQ(::pipe(input), 0);
    ASSERT_EQ(::pipe(output), 0);
    const std::string err = folder.file("stderr");
    const pid_t child = ::fork();
    if (child == 0) {
        // As started by a shell: a closed pipe ends the program unless it says otherwise.
        std::signal(SIGPIPE, SIG_DFL);
        ::dup2(input[0], STDIN_FILENO);
        ::dup2(output[1], STDOUT_FILENO);
        for (const int fd : {input[0], input[1], output[0], output[1]}) {
            ::close(fd);
        }
        const int errFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(errFile, STDERR_FILENO);
        ::execl(HARVEX2_CLI_BINARY, "harvex2-cli", "extract", "-", nullptr);
        ::_exit(127);
    }
    ::close(input[0]);
    ::close(output[1]);
    const auto previousPipeAction = std::signal(SIGPIPE, SIG_IGN);
    std::atomic<std::size_t> fed = 0;
    std::thread feeder([&] {
        std::string piece = "<a href=\"first\">" + std::string(kPiece, ' ');
        while (fed < kOffered) {
            const ssize_t written = ::write(input[1], piece.data(), kPiece);
            if (written <= 0) {
                break;
            }
            fed += static_cast<std::size_t>(written);
            piece.assign(kPiece, ' ');
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        ::close(input[1]);
    });
    std::string first;
    pollfd watch{output[0], POLLIN, 0};
    char c = 0;
    while (first.find('\n') == std::string::npos && ::poll(&watch, 1, 30'000) == 1 &&
           ::read(output[0], &c, 1) == 1) {
        first += c;
    }
    ::close(output[0]);
    int raw = 0;
    ::waitpid(child, &raw, 0);
    feeder.join();
    std::signal(SIGPIPE, previousPipeAction);

    EXPECT_EQ(first, "first\n");
    EXPECT_LT(fed, std::size_t{16 << 20}) << "of " << kOffered << " bytes offered";
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
    EXPECT_EQ(test::TempFolder::read(err), "");
}

TEST_F(CliExtract, RunningOutOfMemoryIsAnErrorNotACrash) {
#ifdef HARVEX2_ADDRESS_SANITIZER
    GTEST_SKIP() << "AddressSanitizer cannot start under an address-space limit";
#endif
    // A value that never ends: a gigabyte of zero bytes, sparse, so it costs no disk.
    const std::string page = folder.makeFile("open.htm", "<a href=\"first\"><a href=\"");
    std::filesystem::resize_file(page, std::uintmax_t{1} << 30);
    const std::string other = folder.makeFile("other.htm", R"(<a href="other">)");
    const Outcome outcome = cli({"extract", page, other}, {}, {}, "ulimit -v 131072; ");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "first\n");
    EXPECT_EQ(outcome.err,
              "harvex2-cli: Not enough memory to read the HTML source file '" + page + "'\n");
}

} // namespace
} // namespace harvex2

#endif
