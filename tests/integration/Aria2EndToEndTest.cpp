#include "core/extract/BaseUrl.h"
#include "core/handoff/AddingPass.h"
#include "core/handoff/DownloadTarget.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
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

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

namespace fs = std::filesystem;
using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

// The window's aria2 pass against a real aria2c and a real web server, both on loopback.
class Aria2EndToEndTest : public ::testing::Test {
protected:
    Aria2EndToEndTest() {
        fs::create_directories(downloads);
        settings.mode = core::TargetProgram::Aria2;
        settings.aria2Url = aria2->url();
        settings.aria2Secret = Aria2Daemon::kSecret;
    }

    // Rows as the Add command makes them: relative links joined to the server's address.
    void addRows(const std::vector<std::string>& links) {
        for (const std::string& link : links) {
            const std::string url = core::BaseUrl::resolve(server.address() + "/files/", link);
            rows.append(url, core::DownloadTarget::forLink(downloads, url), rows.count());
        }
    }

    void run() {
        core::AddingPass pass(userStore, userStore, dde, automation, jsonRpc);
        runToEnd(pass, context, windowThread);
    }

    void expectMessage(const std::string& caption, const std::string& text) {
        prompts.expectMessage(MessageIcon::Error, caption, text, {MessageButton::Ok},
                              MessageButton::Ok);
    }

    std::map<std::string, std::string> files = {{"/files/a.txt", "alpha\n"},
                                                {"/files/b.bin", std::string("b\0\xff", 3)}};
    LoopbackHttpServer server{[this](const HttpRequest& request) {
        const auto file = files.find(request.path);
        return file == files.end() ? HttpReply{404, "missing"} : HttpReply{200, file->second};
    }};
    TempFolder folder;
    std::string downloads = folder.path() + "/down";
    std::optional<Aria2Daemon> aria2{std::in_place, folder.path()};
    platform::FileRegistryStore userStore{platform::Hive::CurrentUser, folder.file("user.reg")};
    platform::CurlJsonRpcConnector jsonRpc;
    core::AddingRows rows;
    FakeAddingWindow window;
    core::SettingsRecord settings;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    FakeDdeClient dde;
    FakeAutomation automation;
    core::AddingPassContext context{rows,         window,    settings, prompts,
                                    windowThread, userStore, userStore};
};

TEST_F(Aria2EndToEndTest, TheLinksArriveInTheDownloadFolder) {
    addRows({"a.txt", "b.bin"});
    run();
    EXPECT_EQ(rows.at(0).status, "Added");
    EXPECT_EQ(rows.at(1).picture, RowPicture::Added);
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/a.txt", files["/files/a.txt"]));
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/b.bin", files["/files/b.bin"]));
}

TEST_F(Aria2EndToEndTest, ARefusedLinkAndADotDotNameEachGetTheirOwnOutcome) {
    addRows({"a.txt", "mailto:someone@example.org"});
    // A Target whose file part would name the download folder's parent: aria2 names the file.
    rows.append(server.address() + "/files/b.bin", downloads + "/..", 2);
    expectMessage("Harvex2", "There were errors while adding jobs\r\nPlease review and close "
                             "the adding dialog.");
    run();
    EXPECT_EQ(rows.at(1).status, "No URI to download.");
    EXPECT_EQ(rows.at(1).indexFromMain(), "32001");
    EXPECT_EQ(rows.at(2).status, "Added");
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/a.txt", "alpha\n"));
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/b.bin", files["/files/b.bin"]));
    EXPECT_TRUE(window.closeRequests.empty());
}

TEST_F(Aria2EndToEndTest, AWrongSecretOrNoAria2EndsThePassBeforeAnyRow) {
    addRows({"a.txt"});
    settings.aria2Secret = "wrong";
    expectMessage("Error", "aria2 refused the secret token.");
    run();
    EXPECT_EQ(rows.at(0).indexFromMain(), "31999");

    aria2.reset();
    settings.aria2Secret = Aria2Daemon::kSecret;
    expectMessage("Error", "Cannot connect to aria2 at " + settings.aria2Url + ".");
    run();
    EXPECT_EQ(rows.at(0).status, "Waiting");
    EXPECT_FALSE(fs::exists(downloads + "/a.txt"));
}

TEST_F(Aria2EndToEndTest, Aria2KilledMidPassLeavesEveryUnansweredRowWaiting) {
    std::vector<std::string> links;
    for (int i = 0; i < 450; ++i) {
        links.push_back("missing" + std::to_string(i));
    }
    addRows(links);
    // Once the first batch is in, as the second begins.
    window.onScroll = [this](std::size_t row) {
        if (row == 200) {
            aria2->kill();
        }
    };
    // Nothing listens any more: the second batch is not sent at all.
    expectMessage("Error", "The connection to aria2 at " + settings.aria2Url +
                               " was lost. Links 201 to 450 are still waiting.");
    run();
    EXPECT_EQ(rows.at(0).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(199).status, "Added");
    for (std::size_t r = 200; r < rows.count(); ++r) {
        ASSERT_EQ(rows.at(r).status, "Waiting");
        ASSERT_EQ(rows.at(r).picture, core::RowPicture::Waiting);
        ASSERT_EQ(rows.at(r).outcome, core::RowOutcome::Unmarked);
    }
    EXPECT_TRUE(window.closeRequests.empty());
}

} // namespace
} // namespace harvex2::test
