#include "CliRun.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopbackHttpServer.h"

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

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

TEST_F(CliSend, NamesComeFromTheListOrTheMaskAndNeverOverwrite) {
    folder.makeFile("down/site/b.txt", "old");
    const std::string list =
        folder.makeFile("links", server.address() + "/site/a.txt\tmine/../named.txt\n" +
                                     server.address() + "/site/b.txt\n");
    const auto outcome =
        runCli(folder, send({"--secret", Aria2Daemon::kSecret, "--names", "--mask",
                             "*subdirs*/*name*.*ext*", "--referer", "http://ref/", list}));
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/mine/named.txt", "got /site/a.txt"));
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/site/b_2.txt", "got /site/b.txt"));
    EXPECT_EQ(TempFolder::read(downloads + "/site/b.txt"), "old");
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

TEST_F(CliSend, WaitPrintsEachFailedDownloadWithAriasMessageAndFails) {
    const std::string missing = server.address() + "/docs/missing.pdf";
    const std::string list = folder.makeFile("links", server.address() + "/site/a\n" + missing);
    const auto outcome =
        runCli(folder, send({"--secret", Aria2Daemon::kSecret, "--wait=60", list}));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(outcome.out.ends_with("failed: Resource not found\t" + missing + "\n"))
        << outcome.out;
    EXPECT_EQ(outcome.err, "harvex2-cli: 1 of 2 downloaded; 1 failed: " + downloads +
                               "/missing.pdf (Resource not found)\n");
    EXPECT_NE(TempFolder::read(folder.file("data/harvex2/sent"))
                  .find("\tdownloaded\taria2\t" + server.address() + "/site/a\n"),
              std::string::npos);
}

// Stands for aria2: the version call and the first batch are answered, each link with the
// same GID, then the connection drops with the second batch.
HttpReply answerThenDrop(const HttpRequest& request, int& batches) {
    const auto calls = nlohmann::json::parse(request.body);
    if (calls.at(0).at("method") == "aria2.getVersion") {
        return {200, R"([{"jsonrpc":"2.0","id":0,"result":{"version":"1.36.0"}}])"};
    }
    if (++batches > 1) {
        return {200, {}, true};
    }
    nlohmann::json answers = nlohmann::json::array();
    for (const auto& call : calls) {
        answers.push_back(
            {{"jsonrpc", "2.0"}, {"id", call.at("id")}, {"result", "2089b05ecca3d829"}});
    }
    return {200, answers.dump()};
}

TEST(CliSendLost, PrintsEachGidAndSaysWhatALostConnectionLeftUnconfirmed) {
    TempFolder folder;
    std::string list;
    for (int i = 0; i < 450; ++i) {
        list += "http://h/" + std::to_string(i) + "\n";
    }
    int batches = 0;
    LoopbackHttpServer aria2(
        [&batches](const HttpRequest& request) { return answerThenDrop(request, batches); });
    const std::string rpc = aria2.address() + "/jsonrpc";
    const auto outcome =
        runCli(folder, {"send", "--aria2", "--rpc", rpc, folder.makeFile("links", list)});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "harvex2-cli: The connection to aria2 at " + rpc +
                               " was lost. aria2 may have taken links 201 to 400, the last batch "
                               "sent; links 401 to 450 are still waiting.\n");
    for (const std::string line :
         {"2089b05ecca3d829\thttp://h/0\n", "2089b05ecca3d829\thttp://h/199\n",
          "not confirmed\thttp://h/200\n", "not confirmed\thttp://h/399\n",
          "waiting\thttp://h/400\n", "waiting\thttp://h/449\n"}) {
        EXPECT_NE(outcome.out.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 450);
}

} // namespace
} // namespace harvex2::test

#endif
