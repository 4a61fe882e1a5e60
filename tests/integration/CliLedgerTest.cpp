#include "CliRun.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopbackHttpServer.h"

#include <filesystem>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2::test {
namespace {

using Args = std::vector<std::string>;

// Each line of `out` that begins with `first` and a tab: the rest of it.
std::vector<std::string> linksAfter(const std::string& out, const std::string& first) {
    std::vector<std::string> links;
    for (std::size_t at = 0; at < out.size(); at = out.find('\n', at) + 1) {
        const std::string line = out.substr(at, out.find('\n', at) - at);
        if (line.starts_with(first + "\t")) {
            links.push_back(line.substr(first.size() + 1));
        }
    }
    return links;
}

TEST(CliLedger, WhatAria2TookIsSkippedListedAsSentAndForgottenOnRequest) {
    TempFolder folder;
    LoopbackHttpServer server([](const HttpRequest& request) {
        return HttpReply{200, "got " + request.path};
    });
    Aria2Daemon aria2(folder.path());
    const std::string site = server.address() + "/site/";
    const Args send = {"send",       "--aria2",
                       "--rpc",      aria2.url(),
                       "--secret",   Aria2Daemon::kSecret,
                       "--dir",      folder.path() + "/down",
                       "--skip-sent"};
    const auto sendFile = [&](const std::string& name, const std::string& links) {
        Args args = send;
        args.push_back(folder.makeFile(name, links));
        return runCli(folder, args);
    };

    ASSERT_EQ(sendFile("first", site + "a.txt\n" + site + "b.jpg\n").status, 0);
    const auto second = sendFile("second", site + "a.txt#top\n" + site + "c.txt\n");
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(linksAfter(second.out, "sent before"), Args{site + "a.txt#top"});
    EXPECT_EQ(second.out.find("a.txt#top", second.out.find('\n')), std::string::npos);
    EXPECT_TRUE(Aria2Daemon::arrives(folder.path() + "/down/c.txt", "got /site/c.txt"));

    const std::string nva = folder.file("list.nva");
    runCli(folder, {"convert", folder.makeFile("all", "a.txt\nb.jpg\nd.txt\n"), "--base", site,
                    "--to", "nva", "-o", nva});
    EXPECT_EQ(linksAfter(runCli(folder, {"list", "--new", nva}).out, "0"), Args{"d.txt"});

    const auto forget = runCli(folder, {"ledger", "forget", "ext:jpg", "--target", "aria2"});
    EXPECT_EQ(forget.status, 0) << forget.err;
    EXPECT_EQ(forget.out, "aria2\t" + site + "b.jpg\n");
    EXPECT_EQ(linksAfter(runCli(folder, {"list", "--new", nva}).out, "0"),
              (Args{"b.jpg", "d.txt"}));
    EXPECT_EQ(runCli(folder, {"ledger", "forget", "re:("}).status, 2);
}

} // namespace
} // namespace harvex2::test

#endif
