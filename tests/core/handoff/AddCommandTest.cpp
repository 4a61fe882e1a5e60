#include "core/handoff/AddCommand.h"

#include "core/shell/MruHistory.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::AddingRows;
using core::RowPicture;
using platform::FailureKind;
using platform::MessageButton;
using platform::MessageIcon;
using platform::StatusPanel;

class AddCommandTest : public ::testing::Test {
protected:
    void fill(const std::vector<std::string>& texts, const std::vector<std::size_t>& checked) {
        for (const auto& text : texts) {
            links.append(text);
        }
        for (std::size_t index : checked) {
            links.setChecked(index, true);
        }
    }

    std::vector<std::string> listTexts() const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < links.count(); ++i) {
            texts.emplace_back(links.textAt(i));
        }
        return texts;
    }

    void expectBaseBox(const std::string& link, MessageButton answer) {
        prompts.expectMessage(
            MessageIcon::Error, "Harvex2", "Error: this link requires a Base URL\r\n" + link,
            {MessageButton::Cancel, MessageButton::Ignore, MessageButton::IgnoreAll}, answer);
    }

    // Drives the command's row building as the window's loop does.
    static void runToEnd(core::AddCommand& command) { command.addSelected(core::runAtOnce); }

    // Keeps the run the command starts, for the test to drive.
    core::RunStarter keepRun() {
        return [this](std::unique_ptr<core::SlicedRun> run, std::function<void()>) {
            kept = std::move(run);
        };
    }
    std::unique_ptr<core::SlicedRun> kept;

    std::vector<std::string> storedHistory(const core::MruSpec& spec) {
        return core::MruHistory::load(userStore, spec);
    }

    TempFolder folder;
    platform::FileRegistryStore userStore{platform::Hive::CurrentUser, folder.file("user.reg")};
    core::LinkList links;
    core::SettingsRecord settings;
    RecordingStatusBar statusBar;
    ScriptedPrompts prompts;
    FakeHistoryBox baseUrl{"", {}};
    FakeHistoryBox directory{"", {}};
    FakeAddingWindow adding;
    core::AddCommandParts parts{links,     settings, statusBar, prompts,
                                userStore, baseUrl,  directory, adding};
    // Every entry is due: the texts and events of each one show.
    core::AddCommand command{parts, core::RepaintPace(core::RepaintPace::Clock::duration::zero())};
};

struct RowCase {
    const char* base;
    const char* folder;
    const char* link;
    const char* url;
    const char* target;
};

TEST_F(AddCommandTest, RowsJoinRelativeLinksAndNameTargets) {
    const RowCase cases[] = {
        {"http://h/dir/", "", "/a.zip", "http://h/dir/a.zip", ""},
        {"http://h/dir/", "/down", "a.zip", "http://h/dir/a.zip", "/down/a.zip"},
        {"http://h/dir", "/down/", "a.zip", "http://h/dira.zip", "/down/dira.zip"},
        {"http://h/", "/down", "http://x/pub/a.zip?x=1", "http://x/pub/a.zip?x=1",
         "/down/a.zip?x=1"},
        {"", "/down/", "ftp://x/a/b.zip", "ftp://x/a/b.zip", "/down/b.zip"},
        {"", "/down", "see http://x/a/", "see http://x/a/", "/down/"},
        {"", "/down", "HTTPS://X/A.ZIP", "HTTPS://X/A.ZIP", "/down/A.ZIP"},
        {"base", "d", "name", "basename", "d/basename"},
        {"http://h/", "/d", "x,\"y\"\r\nz", "http://h/x,\"y\"\r\nz", "/d/x,\"y\"\r\nz"},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.link);
        links.clear();
        fill({"unchecked", c.link}, {1});
        baseUrl.setText(c.base);
        directory.setText(c.folder);
        runToEnd(command);
        ASSERT_EQ(adding.rows().count(), 1u) << c.link;
        const core::AddingRow& row = adding.rows().at(0);
        EXPECT_EQ(row.url, c.url);
        EXPECT_EQ(row.target(), c.target) << c.link;
        EXPECT_EQ(row.indexFromMain(), "1");
        // The row knows its entry by id, whatever happens to the list meanwhile.
        EXPECT_EQ(row.source->entry, links.idAt(1));
        EXPECT_EQ(row.status, "Waiting");
        EXPECT_EQ(row.picture, RowPicture::Waiting);
    }
}

TEST_F(AddCommandTest, HandsOverTheCheckedEntriesInListOrder) {
    fill({"http://a/0", "http://a/1", "http://a/2", "http://a/3"}, {3, 1});
    settings.mode = core::TargetProgram::Aria2;
    adding.pass = [](AddingRows& rows) { rows.setStatus(1, "Added", RowPicture::Added); };
    runToEnd(command);

    EXPECT_EQ(adding.runs, 1);
    ASSERT_EQ(adding.rows().count(), 2u);
    EXPECT_EQ(adding.rows().at(0).indexFromMain(), "1");
    EXPECT_EQ(adding.rows().at(1).indexFromMain(), "3");
    EXPECT_EQ(statusBar.text(StatusPanel::State), "Creating links list...");
    EXPECT_EQ(statusBar.text(StatusPanel::Detail), "Handed over 1 of 2 links to aria2");
}

// Past 31998 links the Index from Main codes collide with real indexes: entry 31999 added
// once read as the fatal marker and stopped the tidy-up.
TEST_F(AddCommandTest, TidyUpOfALongListRemovesTheAddedEntries) {
    std::vector<std::string> texts;
    std::vector<std::size_t> all;
    for (std::size_t i = 0; i < 40'000; ++i) {
        texts.push_back("http://a/" + std::to_string(i));
        all.push_back(i);
    }
    fill(texts, all);
    settings.tidyUp = 1;
    adding.pass = [](AddingRows& rows) {
        for (std::size_t r = 0; r < rows.count(); ++r) {
            const std::size_t index = rows.at(r).source->index;
            const bool refused = index == 5u || index == 32005u;
            rows.setStatus(r, refused ? "Failed - invalid URL" : "Added",
                           refused ? RowPicture::Refused : RowPicture::Added);
            if (refused) {
                rows.setOutcome(r, core::RowOutcome::Refused);
            }
        }
    };
    runToEnd(command);
    EXPECT_EQ(listTexts(), (std::vector<std::string>{"http://a/5", "http://a/32005"}));
}

TEST_F(AddCommandTest, DetailPanelTurnsTheSpinnerForEveryEntry) {
    fill({"http://a/0", "http://a/1", "http://a/2", "http://a/3"}, {0});
    runToEnd(command);
    const std::vector<std::string> expected{"  ",
                                            "",
                                            "| ",
                                            "",
                                            "/ ",
                                            "/  1 of 4",
                                            "",
                                            "--",
                                            "-- 2 of 4",
                                            "",
                                            "\\ ",
                                            "\\  3 of 4",
                                            "",
                                            "| ",
                                            "|  4 of 4",
                                            "Adding links...",
                                            "Handed over 0 of 1 link to NetVampire"};
    EXPECT_EQ(statusBar.detailHistory, expected);
}

TEST_F(AddCommandTest, AtASteadyPaceEntriesBetweenTicksAreNotShownButTheLastIs) {
    fill({"http://a/0", "http://a/1", "http://a/2", "http://a/3", "http://a/4", "http://a/5"},
         {0, 1, 2, 3, 4, 5});
    // Each look at the clock finds it 20 ms on: every third entry is due.
    core::RepaintPace::Clock::time_point now{};
    core::AddCommand paced(parts, core::RepaintPace(std::chrono::milliseconds(50), [&now] {
                               now += std::chrono::milliseconds(20);
                               return now;
                           }));
    runToEnd(paced);
    const std::vector<std::string> expected{"  ",
                                            "",
                                            "| ",
                                            "",
                                            "/ ",
                                            "/  1 of 6",
                                            "",
                                            "--",
                                            "-- 4 of 6",
                                            "",
                                            "\\ ",
                                            "\\  6 of 6",
                                            "Adding links...",
                                            "Handed over 0 of 6 links to NetVampire"};
    EXPECT_EQ(statusBar.detailHistory, expected);
    EXPECT_EQ(adding.rows().count(), 6u);
}

TEST_F(AddCommandTest, NothingToHandOverEndsWithNoLinksSelected) {
    for (const bool withEntries : {false, true}) {
        SCOPED_TRACE(withEntries);
        links.clear();
        if (withEntries) {
            fill({"http://a/0", "rel"}, {});
        }
        runToEnd(command);
        EXPECT_EQ(statusBar.text(StatusPanel::State), "Error");
        EXPECT_EQ(statusBar.text(StatusPanel::Detail), "No links selected!");
    }
    EXPECT_EQ(adding.runs, 0);
    EXPECT_FALSE(userStore.keyExists(core::mru::kMainBaseUrl.key));
}

TEST_F(AddCommandTest, IgnoringEveryRelativeLinkLeavesNothingToHandOver) {
    fill({"a.zip", "b.zip", "c.zip"}, {0, 1, 2});
    for (const char* link : {"a.zip", "b.zip", "c.zip"}) {
        expectBaseBox(link, MessageButton::Ignore);
    }
    runToEnd(command);
    EXPECT_EQ(statusBar.text(StatusPanel::Detail), "No links selected!");
    EXPECT_EQ(adding.runs, 0);
}

TEST_F(AddCommandTest, IgnoreAllAsksOnceARun) {
    fill({"a.zip", "http://h/b.zip", "c.zip", "d.zip"}, {0, 1, 2, 3});
    for (int run = 0; run < 2; ++run) {
        expectBaseBox("a.zip", MessageButton::IgnoreAll);
        runToEnd(command);
        ASSERT_EQ(adding.rows().count(), 1u);
        EXPECT_EQ(adding.rows().at(0).url, "http://h/b.zip");
    }
}

TEST_F(AddCommandTest, CancelAtAMissingBaseEndsTheCommandAtOnce) {
    fill({"a.zip", "http://h/b.zip", "c.zip", "d.zip"}, {0, 1, 2, 3});
    baseUrl = FakeHistoryBox("", {"http://old/"});
    expectBaseBox("a.zip", MessageButton::Ignore);
    expectBaseBox("c.zip", MessageButton::Cancel);
    runToEnd(command);

    EXPECT_EQ(statusBar.text(StatusPanel::State), "Failed");
    EXPECT_EQ(statusBar.text(StatusPanel::Detail), "Need Base URL");
    EXPECT_EQ(adding.runs, 0);
    ASSERT_EQ(adding.rows().count(), 1u);
    EXPECT_EQ(adding.rows().at(0).url, "http://h/b.zip");
    EXPECT_EQ(links.count(), 4u);
    EXPECT_FALSE(userStore.keyExists(core::mru::kMainBaseUrl.key));
    EXPECT_EQ(baseUrl.entries(), std::vector<std::string>{"http://old/"});
}

// In the window the box answers from the event loop once it has closed: the run stops
// while it is open and goes on from the answer, and an answer that comes after the command
// ended changes nothing.
TEST_F(AddCommandTest, TheRunWaitsForTheBaseAnswerWithoutBlocking) {
    LoopWindowThread windowThread;
    prompts.answerThrough(windowThread);
    fill({"a.zip", "http://h/b.zip", "c.zip"}, {0, 1, 2});
    int started = 0;
    const core::RunStarter start = [&started](std::unique_ptr<core::SlicedRun> run,
                                              std::function<void()> finished) {
        ++started;
        core::runAtOnce(std::move(run), std::move(finished));
    };
    expectBaseBox("a.zip", MessageButton::IgnoreAll);
    command.addSelected(start);
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(command.running());
    EXPECT_EQ(adding.rows().count(), 0u);
    ASSERT_TRUE(windowThread.runUntil([this] { return !command.running(); }));
    EXPECT_EQ(started, 2);
    ASSERT_EQ(adding.rows().count(), 1u);
    EXPECT_EQ(adding.rows().at(0).url, "http://h/b.zip");

    expectBaseBox("a.zip", MessageButton::Ignore);
    command.addSelected(start);
    command.endNow();
    EXPECT_FALSE(command.running());
    // The late answer is delivered; nothing is waiting for it any more.
    windowThread.runUntil([] { return false; }, std::chrono::milliseconds(20));
    EXPECT_EQ(started, 3);
    EXPECT_FALSE(command.running());
}

TEST_F(AddCommandTest, RunningStateCoversTheRunAndRefusesASecondStart) {
    fill({"http://a/0"}, {0});
    std::vector<bool> changes;
    command.setRunningChanged([&changes](bool running) { changes.push_back(running); });
    adding.pass = [this](AddingRows&) {
        EXPECT_TRUE(command.running());
        EXPECT_FALSE(command.addSelected(core::runAtOnce));
    };
    runToEnd(command);
    EXPECT_EQ(adding.runs, 1);
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));

    adding.pass = [](AddingRows&) { throw std::runtime_error("gone"); };
    prompts.expectFailure(FailureKind::General, "gone");
    runToEnd(command);
    EXPECT_FALSE(command.running());
}

TEST_F(AddCommandTest, EntriesAppendedWhileRowsAreBuiltAreNotReadYet) {
    fill({"http://a/0", "http://a/1"}, {0, 1});
    command.addSelected(keepRun());
    links.append("http://late/");
    links.setChecked(2, true);
    while (kept->advance()) {
    }
    EXPECT_EQ(adding.rows().count(), 2u);
}

TEST_F(AddCommandTest, EndingTheCommandStopsTheRowsOrClosesTheWindowWithoutTidyingUp) {
    fill({"http://a/0", "http://a/1"}, {0, 1});
    settings.tidyUp = 2;
    command.addSelected(keepRun());
    command.endNow();
    EXPECT_FALSE(kept->advance());
    EXPECT_FALSE(command.running());
    EXPECT_EQ(adding.runs, 0);

    adding.pass = [this](AddingRows& rows) {
        rows.setStatus(0, "Added", RowPicture::Added);
        rows.setOutcome(1, core::RowOutcome::Fatal);
        command.endNow();
    };
    runToEnd(command);
    EXPECT_EQ(adding.closedNow, 1);
    EXPECT_FALSE(command.running());
    EXPECT_EQ(links.count(), 2u);
}

TEST_F(AddCommandTest, AfterTheRunBothBoxesAreRemembered) {
    fill({"http://a/0"}, {0});
    baseUrl = FakeHistoryBox("http://a/", {"http://a/"});
    directory = FakeHistoryBox("/new", {"/d1", "/d2", "/d3", "/d4"});
    runToEnd(command);
    const std::vector<std::string> bases{"http://a/", "http://a/"};
    const std::vector<std::string> folders{"/new", "/d1", "/d2", "/d3"};
    EXPECT_EQ(baseUrl.entries(), bases);
    EXPECT_EQ(storedHistory(core::mru::kMainBaseUrl), bases);
    EXPECT_EQ(directory.entries(), folders);
    EXPECT_EQ(storedHistory(core::mru::kMainDir), folders);
}

TEST_F(AddCommandTest, AnEmptyBoxIsNotInsertedButItsKeyIsRewritten) {
    fill({"http://a/0"}, {0});
    userStore.openKey(core::mru::kMainDir.key, true);
    userStore.writeInteger("MRUSize", 1);
    userStore.writeString("1", "/d1");
    userStore.writeString("7", "left over");
    userStore.closeKey();
    directory = FakeHistoryBox("", {"/d1"});
    runToEnd(command);
    EXPECT_EQ(storedHistory(core::mru::kMainDir), std::vector<std::string>{"/d1"});
    userStore.openKey(core::mru::kMainDir.key, false);
    EXPECT_FALSE(userStore.valueExists("7"));
}

TEST_F(AddCommandTest, AFatalRunAbortsTheTidyUpButTheBoxesAreStillRemembered) {
    fill({"http://a/0", "http://a/1"}, {0, 1});
    settings.tidyUp = 2;
    baseUrl.setText("http://b/");
    adding.pass = [](AddingRows& rows) { rows.setOutcome(0, core::RowOutcome::Fatal); };
    prompts.expectMessage(
        MessageIcon::Information, "Harvex2",
        "The list tidy-up was aborted because a fatal error was detected while adding links",
        {MessageButton::Ok}, MessageButton::Ok);
    runToEnd(command);
    EXPECT_EQ(links.count(), 2u);
    EXPECT_EQ(storedHistory(core::mru::kMainBaseUrl), std::vector<std::string>{"http://b/"});
}

} // namespace
} // namespace harvex2::test
