#include "core/handoff/AddingPass.h"
#include "core/handoff/DownloadTarget.h"
#include "core/rules/RulePresets.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SpawnLauncher.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeAutomation.h"
#include "support/core/FakeDdeClient.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/LoopbackHttpServer.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <map>
#include <set>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

namespace fs = std::filesystem;

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// One Add shared by routes among two real aria2c daemons, as two endpoints, and the command
// target running a real program, all against a web server on loopback.
TEST(RoutingEndToEndTest, EachTargetGetsExactlyItsLinksInItsFolder) {
    const std::map<std::string, std::string> files = {{"/a.txt", "alpha\n"},
                                                      {"/b.bin", "bravo"},
                                                      {"/c.txt", "charlie\n"},
                                                      {"/d.bin", "delta"},
                                                      {"/e.zip", "echo"}};
    LoopbackHttpServer server{[&files](const HttpRequest& request) {
        const auto file = files.find(request.path);
        return file == files.end() ? HttpReply{404, "missing"} : HttpReply{200, file->second};
    }};
    TempFolder folder;
    const std::string downloads = folder.file("down");
    const std::string texts = folder.file("texts");
    fs::create_directories(downloads);
    fs::create_directories(texts);
    fs::create_directories(folder.file("desk"));
    fs::create_directories(folder.file("nas"));
    Aria2Daemon desk(folder.file("desk"));
    Aria2Daemon nas(folder.file("nas"));
    const core::RulePresets presets(folder.file("rules"));
    presets.save("by type", "# texts to the NAS, programs to a command, the rest to the desk\n"
                            "+ ext:txt -> nas:" +
                                texts + "\n+ ext:bin -> Command\n");

    core::SettingsRecord settings;
    settings.mode = core::TargetProgram::Aria2;
    settings.commandTemplate = "touch {dir}/{name}";
    settings.aria2Endpoints = {{.name = "desk", .url = desk.url(), .secret = Aria2Daemon::kSecret},
                               {.name = "nas", .url = nas.url(), .secret = Aria2Daemon::kSecret}};
    settings.aria2Endpoint = "desk";
    settings.routesPreset = "by type";
    core::AddingRows rows;
    for (const auto& [path, bytes] : files) {
        const std::string url = server.address() + path;
        rows.append(url, core::DownloadTarget::placeFor(downloads, url),
                    core::RowSource{rows.count()});
    }

    platform::FileRegistryStore store{platform::Hive::CurrentUser, folder.file("user.reg")};
    FakeAddingWindow window;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    FakeDdeClient dde;
    FakeAutomation automation;
    platform::CurlJsonRpcConnector jsonRpc;
    platform::SpawnLauncher launcher;
    core::AddingPass pass(store, store, dde, automation, jsonRpc, &launcher);
    core::AddingPassContext context{rows, window, settings, prompts, windowThread, store, store};
    context.presets = &presets;
    runToEnd(pass, context, windowThread);

    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_EQ(rows.at(0).status, "nas: Added");
    EXPECT_EQ(rows.at(0).target(), texts + "/a.txt");
    EXPECT_EQ(rows.at(1).target(), downloads + "/b.bin");
    ASSERT_TRUE(windowThread.runUntil([&rows] {
        return rows.at(1).status == "Command: done" && rows.at(3).status == "Command: done";
    }));
    EXPECT_EQ(rows.at(2).status, "nas: Added");
    EXPECT_EQ(rows.at(4).status, "desk: Added");
    EXPECT_TRUE(Aria2Daemon::arrives(texts + "/a.txt", "alpha\n"));
    EXPECT_TRUE(Aria2Daemon::arrives(texts + "/c.txt", "charlie\n"));
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/e.zip", "echo"));
    EXPECT_EQ(filesIn(texts), (std::set<std::string>{"a.txt", "c.txt"}));
    // The command target only touches its files: empty ones, never aria2's downloads.
    EXPECT_EQ(filesIn(downloads), (std::set<std::string>{"b.bin", "d.bin", "e.zip"}));
    EXPECT_EQ(fs::file_size(downloads + "/b.bin"), 0u);
}

} // namespace
} // namespace harvex2::test
