#include "core/handoff/CommandPass.h"

#include "core/handoff/DownloadReports.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SpawnLauncher.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <tuple>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowOutcome;
using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

// Each row's link is the script that its real process runs.
class CommandPassTest : public ::testing::Test {
protected:
    CommandPassTest() { settings.commandTemplate = "sh -c {url}"; }

    void run(const std::vector<std::string>& scripts) {
        for (const std::string& script : scripts) {
            rows.append(script, {}, std::nullopt);
        }
        runToEnd(pass, context, windowThread);
    }

    TempFolder folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser, folder.file("user.reg")};
    core::AddingRows rows;
    FakeAddingWindow window;
    core::SettingsRecord settings;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    RecordingStatusBar statusBar;
    platform::SpawnLauncher launcher;
    core::CommandDownloads downloads{&launcher, &statusBar};
    core::CommandPass pass{downloads};
    core::AddingPassContext context{rows, window, settings, prompts, windowThread, store, store};
};

TEST_F(CommandPassTest, RowsAreHandedOverAtOnceAndShowHowTheirProgramsEndedLater) {
    prompts.expectFailure(
        platform::FailureKind::Stated,
        "There were errors while adding jobs\r\nPlease review and close the adding dialog.");
    run({"exit 0", "echo 'ERROR 404: Not Found.' >&2; exit 8", "-oops"});
    EXPECT_EQ(settings.files, 2);
    EXPECT_EQ(rows.at(2).status,
              "Refused: the link starts with \"-\" and would be read as an option");
    EXPECT_EQ(rows.at(2).outcome, RowOutcome::Refused);
    for (const std::size_t row : {0u, 1u}) {
        EXPECT_EQ(rows.at(row).outcome, RowOutcome::Unmarked);
    }

    ASSERT_TRUE(windowThread.runUntil([&] { return statusBar.detailHistory.size() == 2; }));
    EXPECT_EQ(rows.at(0).status, "done");
    EXPECT_EQ(rows.at(1).status, "ERROR 404: Not Found. (exit status 8)");
    EXPECT_EQ(rows.at(1).picture, RowPicture::Refused);
    EXPECT_EQ(statusBar.detailHistory.back(),
              "1 of 2 downloaded; 1 failed: echo 'ERROR 404: Not Found.' >&2; exit 8 "
              "(ERROR 404: Not Found. (exit status 8))");
}

TEST_F(CommandPassTest, ARowsGivenNameAndReferrerFillTheTemplateAndTheNamesFoldersAreMade) {
    settings.commandTemplate = "sh -c 'printf %s \"$1\" > \"$2\"' sh {referer} {dir}/{name}";
    const core::SavePlace place = core::DownloadTarget::placeFor(folder.path(), "http://h/f.txt");
    rows.append("http://h/f.txt", place, std::nullopt);
    rows.setNaming(0, place, "sub/deeper/named.txt", "http://page/");
    runToEnd(pass, context, windowThread);
    ASSERT_TRUE(windowThread.runUntil([&] { return rows.at(0).status == "done"; }));
    EXPECT_EQ(TempFolder::read(folder.file("sub/deeper/named.txt")), "http://page/");
}

TEST_F(CommandPassTest, ResultsAfterTheRowsWereReplacedGoOnlyToTheStatusBar) {
    settings.commandTimeout = 1;
    run({"sleep 30"});
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
    ASSERT_TRUE(windowThread.runUntil([&] { return rows.at(0).status == "Started"; }));
    rows.clear();
    rows.append("http://other", {}, std::nullopt);
    ASSERT_TRUE(windowThread.runUntil([&] { return !statusBar.detailHistory.empty(); }));
    EXPECT_EQ(rows.at(0).status, "Waiting");
    EXPECT_EQ(statusBar.detailHistory.back(),
              "0 of 1 downloaded; 1 failed: sleep 30 (stopped after the time-out)");
}

// Hears how each entry's program ended.
struct EndedReports : core::DownloadReports {
    void follow(core::Aria2Downloads) override {}
    void ended(core::EntryId entry, bool succeeded, const std::string& text) override {
        ends.push_back({entry, succeeded, text});
    }
    std::vector<std::tuple<core::EntryId, bool, std::string>> ends;
};

TEST_F(CommandPassTest, EachEndIsReportedByTheEntryItsRowCameFrom) {
    EndedReports reports;
    context.reports = &reports;
    rows.append("exit 3", {}, core::RowSource{0, 41});
    run({});
    ASSERT_TRUE(windowThread.runUntil([&] { return !reports.ends.empty(); }));
    EXPECT_EQ(reports.ends[0], std::tuple(core::EntryId{41}, false, "exit status 3"));
}

TEST_F(CommandPassTest, ATemplateThatCannotRunStopsThePassBeforeAnyProcessStarts) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"harvex2-no-such-downloader -- {url}",
         "Cannot start \"harvex2-no-such-downloader\": no such program on PATH."},
        {"wget '{url}", "The command template leaves a quote open."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        settings.commandTemplate = c.line;
        prompts.expectFailure(platform::FailureKind::Connection, c.message);
        rows.clear();
        run({"http://h/a"});
        EXPECT_EQ(rows.at(0).status, "Waiting");
        EXPECT_EQ(rows.at(0).outcome, RowOutcome::Fatal);
        EXPECT_EQ(launcher.pending(), 0u);
    }
}

TEST_F(CommandPassTest, ARowSavesIntoTheFolderOfItsTarget) {
    EXPECT_EQ(core::CommandPass::folderOf({"/down/sub/", "file.zip"}), "/down/sub");
    EXPECT_EQ(core::CommandPass::folderOf({"/", "file.zip"}), "/");
    EXPECT_FALSE(core::CommandPass::folderOf({}).empty());
}

} // namespace
} // namespace harvex2::test
