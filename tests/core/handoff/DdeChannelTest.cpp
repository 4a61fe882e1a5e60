#include "core/handoff/DdeChannel.h"

#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeDdeClient.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

class DdeChannelTest : public ::testing::Test {
protected:
    void addRows(int count) {
        for (int i = 0; i < count; ++i) {
            rows.append("http://h/" + std::to_string(i), "/down/" + std::to_string(i) + ".zip",
                        static_cast<std::size_t>(i + 5));
        }
    }

    void run(std::int32_t mode = 0) {
        settings.mode = core::TargetProgram{mode};
        core::DdeChannel channel(dde);
        runToEnd(channel, context, {"/nv/Net Vampire/vampire.exe", "/nv/Net Vampire/Data/"},
                 windowThread);
    }

    TempFolder folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser, folder.file("user.reg")};
    core::AddingRows rows;
    FakeAddingWindow window;
    core::SettingsRecord settings;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    FakeDdeClient dde;
    core::AddingPassContext context{rows, window, settings, prompts, windowThread, store, store};
};

TEST_F(DdeChannelTest, EveryRowIsOneRequestAndAnEmptyReplyAddsIt) {
    addRows(3);
    window.pleaseWaitShown = true;
    run();
    EXPECT_EQ(dde.service, "VAMPIRE");
    EXPECT_EQ(dde.topic, "WWW_OpenURL");
    EXPECT_EQ(dde.serviceApplication, "/nv/Net Vampire/vampire");
    EXPECT_EQ(dde.requests,
              (std::vector<std::string>{"http://h/0,/down/0.zip,", "http://h/1,/down/1.zip,",
                                        "http://h/2,/down/2.zip,"}));
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(rows.at(r).status, "Added");
        EXPECT_EQ(rows.at(r).picture, RowPicture::Added);
    }
    EXPECT_EQ(settings.files, 3);
    EXPECT_TRUE(context.allOk);
    EXPECT_FALSE(context.passEnded);
    EXPECT_FALSE(window.pleaseWaitShown);
    EXPECT_EQ(window.progressPosition, 2);
    EXPECT_EQ(dde.conversationsOpen, 0);
}

TEST_F(DdeChannelTest, NoLinkOrTargetAddsAFieldToTheItem) {
    rows.append("http://h/a,b", "", std::nullopt);
    rows.append("u", " ", std::nullopt);
    rows.append("http://e/x.zip,/root/.bashrc", "/down/.bashrc", std::nullopt);
    rows.append("http://h/a,b.zip", "/down/a,b.zip", std::nullopt);
    run();
    EXPECT_EQ(dde.requests,
              (std::vector<std::string>{"http://h/a%2Cb,,", "u, ,",
                                        "http://e/x.zip%2C/root/.bashrc,/down/.bashrc,",
                                        "http://h/a%2Cb.zip,,"}));
}

TEST_F(DdeChannelTest, ServiceApplicationDropsOnlyTheLastComponentsExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/a/vampire.exe", "/a/vampire"},
        {"/a.b/vampire", "/a.b/vampire"},
        {"/a/v.tar.gz", "/a/v.tar"},
        {"vampire.exe", "vampire"},
        {"C:\\Net.Vampire\\vampire", "C:\\Net.Vampire\\vampire"},
        {"C:\\NV\\vampire.exe", "C:\\NV\\vampire"},
    };
    for (const auto& [executable, application] : cases) {
        EXPECT_EQ(core::DdeChannel::serviceApplication(executable), application) << executable;
    }
}

TEST_F(DdeChannelTest, RefusalsUnderNetVampireAreNamedByWhatTheReplyMentions) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Local file is in use", "Failed - local file in use"},
        {"Invalid URL", "Failed - invalid URL"},
        {"Local file name Invalid", "Failed - invalid URL"},
        {"Busy", "Adding"},
        {"local file invalid", "Adding"},
    };
    addRows(static_cast<int>(cases.size()));
    for (const auto& [reply, status] : cases) {
        dde.replies.emplace_back(reply);
    }
    run(0);
    for (std::size_t r = 0; r < cases.size(); ++r) {
        EXPECT_EQ(rows.at(r).status, cases[r].second) << cases[r].first;
        EXPECT_EQ(rows.at(r).picture, RowPicture::Refused);
        EXPECT_EQ(rows.at(r).indexFromMain(), std::to_string(32005 + r));
    }
    EXPECT_FALSE(context.allOk);
    EXPECT_EQ(settings.files, 0);
}

TEST_F(DdeChannelTest, RefusalsUnderNetVampire3ShowTheReply) {
    addRows(2);
    dde.replies = {std::string("Busy"), std::string("")};
    run(2);
    EXPECT_EQ(rows.at(0).status, "Busy");
    EXPECT_EQ(rows.at(0).picture, RowPicture::Refused);
    EXPECT_EQ(rows.at(1).status, "Added");
    EXPECT_FALSE(context.allOk);
    EXPECT_EQ(settings.files, 1);
}

TEST_F(DdeChannelTest, NoReplyEndsThePassOnThatRowWithTheWindowOpen) {
    addRows(4);
    dde.replies = {std::string(""), std::nullopt};
    prompts.expectMessage(MessageIcon::Error, "Harvex2", "Net Vampire is not responding",
                          {MessageButton::Ok}, MessageButton::Ok);
    run();
    EXPECT_EQ(dde.requests.size(), 2U);
    EXPECT_EQ(rows.at(1).status, "Failed, NV not responding.");
    EXPECT_EQ(rows.at(1).picture, RowPicture::Fatal);
    EXPECT_EQ(rows.at(1).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(2).status, "Waiting");
    EXPECT_EQ(rows.at(3).status, "Waiting");
    EXPECT_EQ(rows.at(0).indexFromMain(), "5");
    EXPECT_TRUE(context.passEnded);
    EXPECT_TRUE(window.closeRequests.empty());
    EXPECT_EQ(dde.conversationsOpen, 0);
}

TEST_F(DdeChannelTest, NoConversationRecoversWithTheVersionMessage) {
    addRows(2);
    dde.answers = false;
    window.pleaseWaitShown = true;
    prompts.expectMessage(MessageIcon::Error, "Error",
                          "Cannot Connect to NetVampire.\r\n\r\nMake sure you're using "
                          "NetVampire 2.41 or higher.\r\nHarvex cannot work with NetVampire 2.4",
                          {MessageButton::Ok}, MessageButton::Ok);
    run();
    EXPECT_EQ(rows.at(0).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(0).status, "Waiting");
    EXPECT_EQ(rows.at(1).status, "Waiting");
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_FALSE(window.pleaseWaitShown);
    EXPECT_TRUE(context.passEnded);
}

} // namespace
} // namespace harvex2::test
