#include "CliRun.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopbackHttpServer.h"

#include <filesystem>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2::test {
namespace {

using Args = std::vector<std::string>;

class CliSend : public ::testing::Test {
protected:
    CliSend() { std::filesystem::create_directories(downloads); }

    Args send(Args more) const {
        Args args = {"send", "--aria2", "--rpc", aria2.url(), "--dir", downloads};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    LoopbackHttpServer server{[](const HttpRequest& request) {
        return request.path.starts_with("/site/") ? HttpReply{200, "got " + request.path}
                                                  : HttpReply{404, {}};
    }};
    TempFolder folder;
    std::string downloads = folder.path() + "/down";
    Aria2Daemon aria2{folder.path()};
};

TEST_F(CliSend, ExtractThenSendDownloadsTheFilesOfThePage) {
    const std::string page =
        folder.makeFile("page.html", "<a href=\"one.txt\">1</a> <a href=\"sub/two.txt\">2</a>");
    const std::string pipeline = shellQuoted(HARVEX2_CLI_BINARY) + " extract " + shellQuoted(page) +
                                 " --base " + shellQuoted(server.address() + "/site/") + " | ";
    // The secret travels in the environment, not on the command line.
    const auto outcome = runCli(folder, send({}), {}, {},
                                std::string("export HARVEX2_ARIA2_SECRET=") + Aria2Daemon::kSecret +
                                    "; " + pipeline);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/one.txt", "got /site/one.txt"));
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/two.txt", "got /site/sub/two.txt"));
    EXPECT_NE(outcome.out.find("\t" + server.address() + "/site/sub/two.txt\n"), std::string::npos)
        << outcome.out;
}

TEST_F(CliSend, ARefusedLinkOrAWrongSecretFailsTheRun) {
    const std::string list =
        folder.makeFile("links", server.address() + "/site/a" + '\0' + "mailto:x@y" + '\0');
    auto outcome = runCli(folder, send({"--secret", Aria2Daemon::kSecret, "-0", list}));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find(std::string("error: No URI to download.\tmailto:x@y") + '\0'),
              std::string::npos);
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/a", "got /site/a"));

    outcome = runCli(folder, send({"--secret", "wrong", list}));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "harvex2-cli: aria2 refused the secret token\n");
    EXPECT_EQ(runCli(folder, {"send", "--rpc", aria2.url()}).status, 2);
}

} // namespace
} // namespace harvex2::test

#endif
