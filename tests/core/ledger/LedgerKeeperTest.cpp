#include "core/ledger/LedgerKeeper.h"

#include "support/core/LoopWindowThread.h"
#include "support/core/TempFolder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

class LedgerKeeperTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    test::LoopWindowThread windowThread;
    std::vector<std::string> reports;
    int changes = 0;
};

TEST_F(LedgerKeeperTest, WhatIsRecordedWhileTheFileIsReadIsKeptOnceItHasBeenRead) {
    const std::string path =
        folder.makeFile("sent", "2026-12-08T14:02:03Z\tsent\taria2\thttp://h/a\n");
    LedgerKeeper keeper(path, windowThread, [this](const std::string& m) { reports.push_back(m); });
    keeper.setChanged([this] { ++changes; });
    keeper.load();
    keeper.record("aria2", "http://h/b");
    keeper.record("aria2", "http://h/c");
    ASSERT_TRUE(windowThread.runUntil([&] { return keeper.loaded() && changes > 0; }));
    for (const char* link : {"http://h/a", "http://h/b", "http://h/c"}) {
        EXPECT_TRUE(keeper.ledger().wasSent(link, "aria2")) << link;
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(LedgerKeeperTest, AFileThatCannotBeWrittenIsToldOnceFromTheLoop) {
    folder.makeFile("data", "a file where the folder should be");
    LedgerKeeper keeper(folder.file("data/sent"), windowThread,
                        [this](const std::string& m) { reports.push_back(m); });
    keeper.record("aria2", "http://h/a");
    keeper.record("aria2", "http://h/b");
    EXPECT_TRUE(reports.empty()) << "never inside the call that failed";
    ASSERT_TRUE(windowThread.runUntil([&] { return !reports.empty(); }));
    keeper.record("aria2", "http://h/c");
    windowThread.runUntil([] { return false; }, std::chrono::milliseconds(0));
    EXPECT_EQ(reports.size(), 1u);
}

} // namespace
} // namespace harvex2::core
