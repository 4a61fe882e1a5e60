#include "core/ledger/Ledger.h"

#include "core/ledger/LedgerCompaction.h"
#include "core/ledger/LedgerForget.h"
#include "core/shell/LinkList.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

// 2026-12-08T14:02:03Z
constexpr std::int64_t kTime = 1796738523;

class LedgerTest : public ::testing::Test {
protected:
    Ledger loaded() const {
        Ledger ledger(path, [] { return kTime; });
        ledger.load();
        return ledger;
    }

    test::TempFolder folder;
    std::string path = folder.file("data/harvex2/sent");
};

TEST_F(LedgerTest, KnowsALinkInEveryFormOfItAfterARestart) {
    Ledger(path, [] { return kTime; }).record("aria2", "HTTP://Example.com:80/a b#part");
    EXPECT_EQ(test::TempFolder::read(path),
              "2026-12-08T14:02:03Z\tsent\taria2\thttp://example.com/a%20b\n");

    const Ledger ledger = loaded();
    EXPECT_TRUE(ledger.wasSent("http://example.com/a%20b#other", "aria2"));
    EXPECT_TRUE(ledger.wasSent("http://EXAMPLE.com/a%20b", ""));
    EXPECT_FALSE(ledger.wasSent("http://example.com/a%20b", "ReGet"));
    EXPECT_FALSE(ledger.wasSent("http://example.com/a", ""));
    const auto sent = ledger.sentInfo("http://example.com/a b");
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->target, "aria2");
    EXPECT_EQ(sent->time, kTime);

    LinkList list;
    list.appendAll({"a%20b", "http://example.com/a b", "c", "http://example.com/"});
    EXPECT_EQ(ledger.markSent(list, "http://example.com/"),
              (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(ledger.markSent(list, "http://example.com/", "ReGet"), std::vector<bool>(4));
}

TEST_F(LedgerTest, ReadsOnlyWholeLinesAndEndsATornOneBeforeAppending) {
    const std::string whole = "2026-12-08T14:02:03Z\tsent\taria2\thttp://h/whole\n";
    folder.makeFile("data/harvex2/sent",
                    whole + "2026-12-08T14:02:03Z\tsent\taria2\thttp://h/two\t2026-12-08T1\n" +
                        "2026-13-08T14:02:03Z\tsent\taria2\thttp://h/month\n" +
                        "2026-12-08T14:02:03Z\tkept\taria2\thttp://h/kind\n" +
                        "2026-12-08T14:02:03Z\tsent\t\thttp://h/target\n" +
                        "2026-12-08T14:02:03Z\tsent\taria2\thttp://h/torn");
    Ledger ledger = loaded();
    EXPECT_EQ(ledger.size(), 1u);
    EXPECT_TRUE(ledger.wasSent("http://h/whole", ""));

    ledger.record("aria2", "http://h/next");
    const std::string file = test::TempFolder::read(path);
    EXPECT_EQ(file.substr(file.rfind("torn")),
              "torn\t\n2026-12-08T14:02:03Z\tsent\taria2\thttp://h/next\n");
    EXPECT_EQ(loaded().size(), 2u);
}

TEST_F(LedgerTest, AFailedWriteIsReportedOnceAndRecordsNothing) {
    test::TempFolder::write(folder.file("data"), "a file where the folder should be");
    Ledger ledger(path);
    std::vector<std::string> reports;
    ledger.setFailureReport([&](const std::string& message) { reports.push_back(message); });
    EXPECT_FALSE(ledger.record("aria2", "http://h/1"));
    EXPECT_FALSE(ledger.record("aria2", "http://h/2"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(path), std::string::npos) << reports[0];
    EXPECT_FALSE(ledger.wasSent("http://h/1", ""));
}

TEST_F(LedgerTest, ForgettingAppendsTombstonesAndCompactsOnceTheyMakeHalf) {
    {
        Ledger ledger(path, [] { return kTime; });
        ledger.record("aria2", "http://h/a.jpg");
        ledger.record("ReGet", "http://h/a.jpg");
        ledger.record("aria2", "http://h/b.png");
    }
    Ledger ledger = loaded();
    const auto isJpeg = [](std::string_view link) { return link.ends_with(".jpg"); };
    const auto forgotten = LedgerForget::run(ledger, isJpeg, "aria2");
    ASSERT_EQ(forgotten.size(), 1u);
    EXPECT_EQ(forgotten[0].link, "http://h/a.jpg");
    EXPECT_FALSE(loaded().wasSent("http://h/a.jpg", "aria2"));
    EXPECT_TRUE(loaded().wasSent("http://h/a.jpg", "ReGet"));
    EXPECT_NE(test::TempFolder::read(path).find("\tforgotten\taria2\thttp://h/a.jpg\n"),
              std::string::npos);

    EXPECT_EQ(LedgerForget::run(
                  ledger, [](std::string_view) { return true; }, "")
                  .size(),
              2u);
    EXPECT_EQ(test::TempFolder::read(path), "");
}

TEST_F(LedgerTest, CompactionKeepsTheLatestLineOfWhatIsStillSent) {
    const std::string early = "2026-12-08T14:02:03Z\t";
    const std::string late = "2026-12-09T10:00:00Z\t";
    folder.makeFile(
        "data/harvex2/sent",
        early + "sent\taria2\thttp://h/a\n" + early + "sent\taria2\thttp://h/b\n" + early +
            "forgotten\taria2\thttp://h/a\n" + late + "sent\taria2\thttp://h/b\n" + late +
            "sent\taria2\thttp://h/b\n" + early + "forgotten\tReGet\thttp://h/b\n" + early +
            "forgotten\taria2\thttp://h/c\n" + early + "forgotten\taria2\thttp://h/d\n");
    EXPECT_TRUE(LedgerCompaction::runIfDue(path));
    EXPECT_EQ(test::TempFolder::read(path), late + "sent\taria2\thttp://h/b\n");
    EXPECT_FALSE(LedgerCompaction::runIfDue(path));
}

TEST_F(LedgerTest, RefreshTakesInWhatAnotherCopyAppendedAndRereadsAReplacedFile) {
    Ledger window(path, [] { return kTime; });
    window.load();
    EXPECT_FALSE(window.refresh()) << "nothing changed";

    Ledger other(path, [] { return kTime; });
    other.record("aria2", "http://h/a");
    test::TempFolder::write(path, test::TempFolder::read(path) + "2026-12-08T14:02:03Z\tsent\ta");
    EXPECT_TRUE(window.refresh());
    EXPECT_TRUE(window.wasSent("http://h/a", "aria2"));
    // The torn line is finished by the next writer and read whole once it is.
    other.record("ReGet", "http://h/b");
    window.refresh();
    EXPECT_TRUE(window.wasSent("http://h/b", "ReGet"));
    EXPECT_EQ(window.size(), 2u);

    // A compaction puts a new file in the old one's place, shorter than what was read.
    const std::string replacement = folder.file("data/harvex2/sent.new");
    test::TempFolder::write(replacement, "2026-12-08T14:02:03Z\tsent\taria2\thttp://h/c\n");
    std::filesystem::rename(replacement, path);
    EXPECT_TRUE(window.refresh());
    EXPECT_FALSE(window.wasSent("http://h/a", ""));
    EXPECT_TRUE(window.wasSent("http://h/c", "aria2"));
}

TEST_F(LedgerTest, ACompletedDownloadIsRecordedAndOutlivesTheSendingItCompletes) {
    const std::string early = "2026-12-08T14:02:03Z\t";
    folder.makeFile("data/harvex2/sent", early + "sent\taria2\thttp://h/a\n" + early +
                                             "forgotten\taria2\thttp://h/b\n" + early +
                                             "forgotten\taria2\thttp://h/c\n");
    Ledger ledger(path, [] { return kTime + 60; });
    ledger.load();
    EXPECT_TRUE(ledger.recordDownloaded("aria2", "http://h/a"));
    EXPECT_TRUE(LedgerCompaction::runIfDue(path));
    EXPECT_EQ(test::TempFolder::read(path),
              "2026-12-08T14:03:03Z\tdownloaded\taria2\thttp://h/a\n");
    EXPECT_TRUE(loaded().wasSent("http://h/a", "aria2"));
}

} // namespace
} // namespace harvex2::core
