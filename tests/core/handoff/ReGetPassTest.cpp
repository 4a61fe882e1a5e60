#include "core/handoff/ReGetPass.h"

#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeAutomation.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowPicture;
using platform::FailureKind;

class ReGetPassTest : public ::testing::Test {
protected:
    ReGetPassTest() {
        prompts.answerThrough(windowThread);
        rows.append("http://h/1", {"/down/full/", "path.zip"}, core::RowSource{3});
        rows.append("http://h/2", {}, core::RowSource{4});
        rows.append("http://h/3", {}, core::RowSource{5});
    }

    void run() {
        core::ReGetPass pass(automation);
        runToEnd(pass, context, windowThread);
    }

    TempFolder folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser, folder.file("user.reg")};
    core::AddingRows rows;
    FakeAddingWindow window;
    core::SettingsRecord settings;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    FakeAutomation automation;
    core::AddingPassContext context{rows, window, settings, prompts, windowThread, store, store};
};

TEST_F(ReGetPassTest, EveryUrlIsOneCallOfAddInRowOrder) {
    std::vector<std::size_t> pleaseWaitSeen;
    window.onScroll = [&](std::size_t) {
        pleaseWaitSeen.push_back(window.pleaseWaitShown ? 1 : 0);
    };
    run();
    EXPECT_EQ(automation.created, std::vector<std::string>{"ReGet.UrlList.1"});
    ASSERT_EQ(automation.calls.size(), 3U);
    EXPECT_EQ(
        automation.calls[0],
        std::make_pair(std::string("Add"), std::string("Info=Added by Harvex\r\nURL=http://h/1")));
    EXPECT_EQ(automation.calls[2].second, "Info=Added by Harvex\r\nURL=http://h/3");
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(rows.at(r).status, "Added");
        EXPECT_EQ(rows.at(r).picture, RowPicture::Added);
    }
    EXPECT_EQ(settings.files, 3);
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_EQ(window.pleaseWaitStatuses, std::vector<std::string>{"Attempting to find ReGet..."});
    // Shown until the first call has returned.
    EXPECT_EQ(pleaseWaitSeen, (std::vector<std::size_t>{1, 0, 0}));
    EXPECT_EQ(automation.objectsAlive, 0);
}

TEST_F(ReGetPassTest, AMissingObjectRecoversWithoutTouchingARow) {
    automation.registered = false;
    prompts.expectFailure(FailureKind::Connection,
                          "Could not find the ReGet class to initiate OLE Automation. ");
    run();
    EXPECT_EQ(rows.at(0).indexFromMain(), "31999");
    EXPECT_EQ(rows.at(0).picture, RowPicture::Waiting);
    EXPECT_EQ(rows.at(0).status, "Waiting");
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    EXPECT_FALSE(window.pleaseWaitShown);
}

TEST_F(ReGetPassTest, AFailingCallStopsAtItsRowWithTheServersText) {
    automation.failingCall = 1;
    automation.failure = "Queue is full";
    EXPECT_THROW(
        {
            try {
                run();
            } catch (const core::HandoffError& error) {
                EXPECT_STREQ(error.what(), "Queue is full");
                throw;
            }
        },
        core::HandoffError);
    EXPECT_EQ(rows.at(0).status, "Added");
    EXPECT_EQ(rows.at(1).status, "Adding");
    EXPECT_EQ(rows.at(1).picture, RowPicture::Adding);
    EXPECT_EQ(rows.at(2).status, "Waiting");
    EXPECT_TRUE(window.closeRequests.empty());
    EXPECT_EQ(automation.objectsAlive, 0);
}

} // namespace
} // namespace harvex2::test
