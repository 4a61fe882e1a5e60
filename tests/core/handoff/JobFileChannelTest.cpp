#include "core/handoff/JobFileChannel.h"

#include "core/handoff/JobFileManager.h"
#include "core/handoff/NetVampireContract.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <functional>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;
using Contract = NetVampireContract;

// Starts from what the channel must change, and keeps every progress position.
struct RecordingWindow : test::FakeAddingWindow {
    RecordingWindow() {
        caption = "untouched";
        pleaseWaitShown = true;
    }
    void setProgressPosition(int position) override { progress.push_back(position); }

    std::vector<int> progress;
};

class JobFileChannelTest : public ::testing::Test {
protected:
    JobFileChannelTest() {
        fs::create_directories(data_ + "Jobs");
        fs::create_directories(data_ + "State");
    }

    void setCounter(std::int32_t number) {
        ASSERT_TRUE(user_.openKey(std::string(Contract::kCounterKey), true));
        user_.writeInteger(std::string(Contract::kCounterValue), number);
        user_.closeKey();
    }

    std::int32_t counter() {
        EXPECT_TRUE(user_.openKey(std::string(Contract::kCounterKey), false));
        return user_.readInteger(std::string(Contract::kCounterValue));
    }

    std::string jobBytes(const std::string& name) const {
        return test::TempFolder::read(data_ + "Jobs/" + name + ".nvj");
    }
    std::string stateBytes(const std::string& name) const {
        return test::TempFolder::read(data_ + "State/" + name + ".nvc");
    }

    void run() { test::runToEnd(channel_, context_, {"", data_}, windowThread_); }

    test::TempFolder folder_;
    std::string data_ = folder_.path() + "/Data/";
    platform::FileRegistryStore user_{platform::Hive::CurrentUser, folder_.file("user.reg")};
    platform::FileRegistryStore machine_{platform::Hive::LocalMachine, folder_.file("machine.reg")};
    JobFileManager manager_{user_, machine_};
    JobFileChannel channel_{manager_};
    AddingRows rows_;
    RecordingWindow window_;
    SettingsRecord settings_;
    test::ScriptedPrompts prompts_;
    test::LoopWindowThread windowThread_;
    AddingPassContext context_{rows_, window_, settings_, prompts_, windowThread_, user_, machine_};
};

TEST_F(JobFileChannelTest, OneRowLeavesExactlyItsStateAndJobFiles) {
    setCounter(5);
    settings_.files = 10;
    rows_.append("http://host/dir/a.zip", {"C:\\Down\\", "a.zip"}, core::RowSource{3});
    run();

    EXPECT_EQ(stateBytes("A0000005"), "[STATE]\r\nState=0\r\n");
    EXPECT_EQ(jobBytes("A0000005"), "[SETTINGS]\r\n"
                                    "LocID=A0000006\r\n"
                                    "LocalFolder=C:\\Down\\\r\n"
                                    "Title=[Harvex] a.zip\r\n"
                                    "\r\n"
                                    "[LOCATIONS]\r\n"
                                    "A0000006=http://host/dir/a.zip\r\n");
    EXPECT_EQ(counter(), 7);
    EXPECT_EQ(rows_.at(0).status, "A0000005");
    EXPECT_EQ(rows_.at(0).picture, RowPicture::Added);
    EXPECT_EQ(rows_.at(0).indexFromMain(), "3");
    EXPECT_EQ(settings_.files, 11);
    // Nothing else: no site or partial file, no temporary file left behind.
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(data_)) {
        files += entry.is_regular_file() ? 1U : 0U;
    }
    EXPECT_EQ(files, 2u);
}

TEST_F(JobFileChannelTest, TheJobTakesTheRowsFolderAndFileNameWhole) {
    // A name holding what other systems read as separators stays one title.
    rows_.append("http://h/x:y\\z.zip",
                 core::DownloadTarget::placeFor("/home/me/down", "x:y\\z.zip"), core::RowSource{});
    rows_.append("http://h/f", {}, core::RowSource{});
    run();
    const auto jobFor = [](const std::string& id, const std::string& folder,
                           const std::string& title, const std::string& link) {
        return "[SETTINGS]\r\nLocID=" + id + "\r\nLocalFolder=" + folder + "\r\nTitle=[Harvex] " +
               title + "\r\n\r\n[LOCATIONS]\r\n" + id + "=" + link + "\r\n";
    };
    EXPECT_EQ(jobBytes("A0000000"),
              jobFor("A0000001", "/home/me/down/", "x:y\\z.zip", "http://h/x:y\\z.zip"));
    EXPECT_EQ(jobBytes("A0000002"), jobFor("A0000003", "", "", "http://h/f"));
}

TEST_F(JobFileChannelTest, EveryRowBecomesAJobInRowOrder) {
    for (const char* name : {"a.zip", "a.zip", "b.zip"}) {
        rows_.append("http://h/a.zip", {"/d/", name}, core::RowSource{});
    }
    settings_.nvJobDefault = 7;
    run();
    EXPECT_EQ(window_.caption, "Harvex");
    EXPECT_FALSE(window_.pleaseWaitShown);
    EXPECT_EQ(window_.scrolled, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(window_.progress, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(window_.closeRequests.empty());
    EXPECT_EQ(settings_.files, 3);
    EXPECT_EQ(rows_.at(1).status, "A0000002");
    EXPECT_EQ(rows_.at(2).status, "A0000004");
    EXPECT_EQ(stateBytes("A0000004"), "[STATE]\r\nState=7\r\n");
    EXPECT_EQ(counter(), 6);
}

TEST_F(JobFileChannelTest, RealiFastNamesItselfInTheCaption) {
    settings_.realiFast = true;
    rows_.append("http://h/a.zip", {"/d/", "a.zip"}, core::RowSource{0});
    rows_.append("http://h/b.zip", {"/d/", "b.zip"}, core::RowSource{1});
    run();
    EXPECT_EQ(window_.caption, "Harvex [RealiFast Mode]");
    EXPECT_EQ(rows_.at(1).status, "A0000002");
}

TEST_F(JobFileChannelTest, LinksKeepCommasAndQuotesButNotLineBreaksOrNulBytes) {
    rows_.append("http://h/a,b\"c'd.zip", {"/d/", "a,b\"c'd.zip"}, core::RowSource{0});
    rows_.append("http://h/x\r\nLocID=evil.zip", {"/d/", "x\r\nLocID=evil.zip"},
                 core::RowSource{1});
    rows_.append(std::string("http://h/n\0ul.zip", 17), {"/d/", std::string("n\0ul.zip", 8)},
                 core::RowSource{2});
    run();
    EXPECT_EQ(jobBytes("A0000000"), "[SETTINGS]\r\nLocID=A0000001\r\nLocalFolder=/d/\r\n"
                                    "Title=[Harvex] a,b\"c'd.zip\r\n\r\n"
                                    "[LOCATIONS]\r\nA0000001=http://h/a,b\"c'd.zip\r\n");
    EXPECT_EQ(jobBytes("A0000002"), "[SETTINGS]\r\nLocID=A0000003\r\nLocalFolder=/d/\r\n"
                                    "Title=[Harvex] xLocID=evil.zip\r\n\r\n"
                                    "[LOCATIONS]\r\nA0000003=http://h/xLocID=evil.zip\r\n");
    EXPECT_EQ(jobBytes("A0000004"), "[SETTINGS]\r\nLocID=A0000005\r\nLocalFolder=/d/\r\n"
                                    "Title=[Harvex] nul.zip\r\n\r\n"
                                    "[LOCATIONS]\r\nA0000005=http://h/nul.zip\r\n");
    EXPECT_EQ(rows_.at(2).status, "A0000004");
}

class JobFileChannelVanishTest : public JobFileChannelTest,
                                 public ::testing::WithParamInterface<const char*> {};

TEST_P(JobFileChannelVanishTest, AVanishedFolderStopsThePassAtItsRow) {
    for (const char* url : {"http://h/a", "http://h/b", "http://h/c"}) {
        rows_.append(url, {"/d/", "f"}, core::RowSource{0});
    }
    const std::string vanishing = data_ + GetParam();
    window_.onScroll = [&vanishing](std::size_t row) {
        if (row == 1) {
            fs::remove_all(vanishing);
        }
    };
    EXPECT_THAT([this] { run(); }, ::testing::ThrowsMessage<HandoffError>(
                                       "Unable to write to " + data_ + "State/A0000002.nvc"));
    EXPECT_EQ(rows_.at(0).status, "A0000000");
    EXPECT_EQ(rows_.at(1).status, "Adding");
    EXPECT_EQ(rows_.at(1).picture, RowPicture::Adding);
    EXPECT_EQ(rows_.at(2).status, "Waiting");
    EXPECT_EQ(settings_.files, 1);
    EXPECT_FALSE(fs::exists(vanishing));
}

INSTANTIATE_TEST_SUITE_P(Folders, JobFileChannelVanishTest, ::testing::Values("", "State"));

TEST_F(JobFileChannelTest, WhatAVanishedStateFolderLeavesIsIntact) {
    rows_.append("http://h/a", {"/d/", "f"}, core::RowSource{0});
    rows_.append("http://h/b", {"/d/", "f"}, core::RowSource{1});
    window_.onScroll = [this](std::size_t row) {
        if (row == 1) {
            fs::remove_all(data_ + "State");
        }
    };
    EXPECT_THROW(run(), HandoffError);
    EXPECT_EQ(jobBytes("A0000000"),
              "[SETTINGS]\r\nLocID=A0000001\r\nLocalFolder=/d/\r\n"
              "Title=[Harvex] f\r\n\r\n[LOCATIONS]\r\nA0000001=http://h/a\r\n");
    EXPECT_FALSE(fs::exists(data_ + "Jobs/A0000002.nvj"));
}

} // namespace
} // namespace harvex2::core
