#include "CliRun.h"
#include "core/handoff/Aria2Endpoints.h"
#include "core/shell/SettingsStorage.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopbackHttpServer.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2::test {
namespace {

using Args = std::vector<std::string>;

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// Two aria2 on this machine, stored as the endpoints "desk" and "nas" in the settings the
// window keeps, each saving into a folder of its own.
class CliEndpoints : public ::testing::Test {
protected:
    CliEndpoints() {
        std::filesystem::create_directories(deskFolder);
        std::filesystem::create_directories(nasFolder);
        platform::FileRegistryStore store(platform::Hive::CurrentUser,
                                          folder.file("config/user.reg"));
        core::SettingsRecord settings;
        core::Aria2Endpoints::store(
            settings, {{.name = "desk", .url = desk.url(), .secret = Aria2Daemon::kSecret},
                       {.name = "nas", .url = nas.url(), .secret = Aria2Daemon::kSecret}});
        core::SettingsStorage(store).SaveSettings(settings, {}, "1.0");
    }

    CliOutcome send(const std::string& endpoint, const std::string& links) const {
        return runCli(folder, {"send", "--aria2", "--endpoint", endpoint, links}, {}, {},
                      "export HARVEX2_CONFIG_DIR=" + shellQuoted(folder.file("config")) + "; ");
    }

    std::string link(const std::string& name) const { return server.address() + "/site/" + name; }

    LoopbackHttpServer server{[](const HttpRequest& request) {
        return HttpReply{200, "got " + request.path};
    }};
    TempFolder folder;
    std::string deskFolder = folder.file("desk");
    std::string nasFolder = folder.file("nas");
    Aria2Daemon desk{deskFolder};
    Aria2Daemon nas{nasFolder};
};

TEST_F(CliEndpoints, EachEndpointGetsExactlyTheLinksSentToIt) {
    const auto toDesk = send("desk", folder.makeFile("desk-links", link("a") + "\n" + link("b")));
    const auto toNas = send("NAS", folder.makeFile("nas-links", link("c")));
    EXPECT_EQ(toDesk.status, 0) << toDesk.err;
    EXPECT_EQ(toNas.status, 0) << toNas.err;
    EXPECT_TRUE(Aria2Daemon::arrives(deskFolder + "/a", "got /site/a"));
    EXPECT_TRUE(Aria2Daemon::arrives(deskFolder + "/b", "got /site/b"));
    EXPECT_TRUE(Aria2Daemon::arrives(nasFolder + "/c", "got /site/c"));
    EXPECT_EQ(filesIn(deskFolder), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(filesIn(nasFolder), std::vector<std::string>{"c"});
}

TEST_F(CliEndpoints, AnUnknownNameOrATokenInClearTextIsAUsageError) {
    const std::string links = folder.makeFile("links", link("a"));
    const auto unknown = send("attic", links);
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.starts_with("harvex2-cli: no aria2 endpoint is named 'attic'\n"))
        << unknown.err;
    const auto clear = runCli(folder, {"send", "--aria2", "--rpc", "http://192.0.2.1:6800/jsonrpc",
                                       "--secret", "t", links});
    EXPECT_EQ(clear.status, 2);
    EXPECT_TRUE(clear.err.starts_with("harvex2-cli: the token for http://192.0.2.1:6800/jsonrpc "
                                      "would travel unencrypted"))
        << clear.err;
    EXPECT_TRUE(filesIn(deskFolder).empty());
}

} // namespace
} // namespace harvex2::test

#endif
