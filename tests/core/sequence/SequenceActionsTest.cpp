#include "core/sequence/SequenceActions.h"

#include "core/handoff/DownloadTarget.h"
#include "core/sequence/SequenceRun.h"
#include "core/shell/MruHistory.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/HandoffFakes.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <memory>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::SequenceRunKind;
using platform::FailureKind;
using platform::MessageButton;
using platform::MessageIcon;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Texts = std::vector<std::string>;

constexpr char kSep = core::DownloadTarget::kSeparator;

// The dialog as the runs see it: what is shown, and every URL of the preview.
class FakeSequenceDialog : public core::SequenceDialogPort, public core::SequenceSink {
public:
    void setRunning(SequenceRunKind kind) override { runs.push_back(kind); }
    void setProgressMaximum(std::uint64_t maximum) override { progressMaximum = maximum; }
    void setProgressPosition(std::uint64_t position) override { positions.push_back(position); }
    core::SequenceSink& clearPreview(const std::string&) override {
        preview.clear();
        return *this;
    }
    void setMainDownloadDirectory(const std::string& directory) override {
        mainDirectory = directory;
    }
    void closeWithOk() override { ++closes; }
    void append(std::string_view url) override { preview.emplace_back(url); }

    std::vector<SequenceRunKind> runs;
    std::uint64_t progressMaximum = 0;
    std::vector<std::uint64_t> positions;
    Texts preview;
    std::string mainDirectory = "unchanged";
    int closes = 0;
};

class SequenceActionsTest : public ::testing::Test {
protected:
    SequenceActionsTest() {
        fields.url = "http://h/f|.jpg";
        fields.start = "1";
        fields.end = "3";
    }

    Texts linkTexts() const {
        Texts texts;
        for (std::size_t i = 0; i < links.count(); ++i) {
            EXPECT_FALSE(links.checkedAt(i));
            texts.emplace_back(links.textAt(i));
        }
        return texts;
    }
    void add() {
        urlBox.setText(fields.url);
        dirBox.setText(fields.downloadDir);
        actions.add(fields);
    }

    // Drives a run to its end at once, calling onSlice between its slices, or keeps it for
    // the test to drive when `hold` is set.
    void startRun(std::unique_ptr<core::SlicedRun> run, std::function<void()> finished) {
        held = std::move(run);
        heldEnd = std::move(finished);
        if (!hold) {
            driveToEnd();
        }
    }
    void driveToEnd() {
        while (held->advance()) {
            ++slices;
            if (onSlice) {
                onSlice();
            }
        }
        held.reset();
        heldEnd();
    }

    TempFolder folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser, folder.file("user.reg")};
    FakeSequenceDialog dialog;
    ScriptedPrompts prompts;
    core::SettingsRecord settings;
    core::LinkList links;
    FakeAddingWindow adding;
    FakeHistoryBox urlBox{"", {}};
    FakeHistoryBox dirBox{"", {}};
    core::SequenceFields fields;
    std::unique_ptr<core::SlicedRun> held;
    std::function<void()> heldEnd;
    bool hold = false;
    int slices = 0;
    std::function<void()> onSlice;
    core::SequenceActions actions{
        {dialog, prompts, store, settings, links, adding, urlBox, dirBox,
         [this](std::unique_ptr<core::SlicedRun> run, std::function<void()> finished) {
             startRun(std::move(run), std::move(finished));
         }}};
};

TEST_F(SequenceActionsTest, AddFillsTheAddingWindowAndRunsItOnce) {
    adding.rows().append("old", {}, core::RowSource{std::size_t{0}});
    fields.downloadDir = "/dl";
    std::vector<core::AddingRow> seen;
    adding.pass = [&](core::AddingRows& rows) {
        EXPECT_EQ(dialog.runs.back(), SequenceRunKind::Add);
        for (std::size_t r = 0; r < rows.count(); ++r) {
            seen.push_back(rows.at(r));
        }
    };
    add();
    ASSERT_EQ(adding.runs, 1);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].url, "http://h/f3.jpg");
    EXPECT_EQ(seen[2].target(), std::string("/dl") + kSep + "f3.jpg");
    for (const core::AddingRow& row : seen) {
        EXPECT_EQ(row.status, "Waiting");
        EXPECT_EQ(row.indexFromMain(), "0");
        EXPECT_EQ(row.picture, core::RowPicture::Waiting);
    }
    EXPECT_THAT(dialog.runs, ElementsAre(SequenceRunKind::Add, SequenceRunKind::None));
    EXPECT_EQ(dialog.positions.back(), 0u);
    EXPECT_EQ(dialog.closes, 1);
    EXPECT_THAT(links.count(), 0u);
}

TEST_F(SequenceActionsTest, AddToTheLinkListAsksOnlyWithADirectory) {
    fields.nv = false;
    add();
    EXPECT_EQ(linkTexts(), (Texts{"http://h/f1.jpg", "http://h/f2.jpg", "http://h/f3.jpg"}));
    EXPECT_EQ(adding.runs, 0);

    fields.downloadDir = "/dl";
    for (const MessageButton answer : {MessageButton::No, MessageButton::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        prompts.expectMessage(MessageIcon::Question, "Add Sequence to Harvex",
                              "Copy download directory from Add Sequence window\r\nto main window?",
                              {MessageButton::Yes, MessageButton::No}, answer);
        add();
        EXPECT_EQ(dialog.mainDirectory, answer == MessageButton::Yes ? "/dl" : "unchanged");
    }
    EXPECT_EQ(links.count(), 9u);
}

TEST_F(SequenceActionsTest, RefusedSeriesAddNothingAndRememberNothing) {
    adding.rows().append("kept", {}, core::RowSource{std::size_t{0}});
    const struct {
        void (*change)(core::SequenceFields&);
        FailureKind kind;
        const char* text;
    } cases[] = {
        {[](core::SequenceFields& f) { f.charDigit = 1; }, FailureKind::Stated,
         "Can't find the digit position marker"},
        {[](core::SequenceFields& f) { f.step = "two"; }, FailureKind::General,
         "'two' is not a valid integer value"},
        {[](core::SequenceFields& f) { f.end = "0"; }, FailureKind::General,
         "The range holds no numbers: Go to (0) is less than Start at (1)."},
        {[](core::SequenceFields& f) { f.step = "0"; }, FailureKind::General,
         "Step must be 1 or more, not 0."},
        {[](core::SequenceFields& f) { f.end = "10000001"; }, FailureKind::General,
         "The range holds 10000001 numbers; a series can hold at most 10000000."},
        {[](core::SequenceFields& f) {
             f.url = std::string(32766, 'a') + "|";
             f.end = "100000";
         },
         FailureKind::General,
         "The series would make more than 1024 MB of links; make it shorter or split it."},
    };
    for (const bool nv : {true, false}) {
        for (const auto& refused : cases) {
            SCOPED_TRACE(testing::Message() << (nv ? "Net Vampire: " : "ReGet: ") << refused.text);
            core::SequenceFields f = fields;
            f.nv = nv;
            refused.change(f);
            prompts.expectFailure(refused.kind, refused.text);
            actions.add(f);
            EXPECT_EQ(dialog.runs.back(), SequenceRunKind::None) << refused.text;
        }
    }
    EXPECT_EQ(adding.runs, 0);
    EXPECT_EQ(adding.rows().count(), 1u);
    EXPECT_EQ(links.count(), 0u);
    EXPECT_EQ(dialog.closes, 0);
    EXPECT_FALSE(store.keyExists(core::mru::kSeqUrl.key));
}

TEST_F(SequenceActionsTest, TestFillsOnlyThePreview) {
    fields.end = "12";
    fields.step = "5";
    actions.test(fields);
    EXPECT_THAT(dialog.preview,
                ElementsAre("http://h/f1.jpg", "http://h/f6.jpg", "http://h/f11.jpg"));
    EXPECT_EQ(dialog.progressMaximum, 12u);
    EXPECT_EQ(dialog.positions, (std::vector<std::uint64_t>{0, 12, 0}));
    EXPECT_THAT(dialog.runs, ElementsAre(SequenceRunKind::Test, SequenceRunKind::None));

    fields.url = "none";
    prompts.expectFailure(FailureKind::Stated, "Can't find the digit position marker");
    actions.test(fields);
    EXPECT_THAT(dialog.preview, IsEmpty());
    EXPECT_EQ(dialog.runs.back(), SequenceRunKind::None);
    EXPECT_EQ(adding.runs + static_cast<int>(links.count()) + dialog.closes, 0);
    EXPECT_FALSE(store.keyExists(core::mru::kSeqUrl.key));
}

TEST_F(SequenceActionsTest, LongSeriesRunInSlicesAndRefuseASecondRun) {
    fields.end = "100000";
    fields.nv = false;
    onSlice = [&] {
        EXPECT_TRUE(actions.running());
        actions.add(fields);
        actions.test(fields);
    };
    add();
    EXPECT_GT(slices, 10);
    EXPECT_EQ(links.count(), 100000u);
    EXPECT_EQ(links.textAt(99999), "http://h/f100000.jpg");
    EXPECT_FALSE(actions.running());
}

TEST_F(SequenceActionsTest, ACancelledAddHandsNothingOnAsksNothingAndRemembersNothing) {
    fields.end = "100000";
    fields.downloadDir = "/dl";
    settings.acas = true;
    hold = true;
    for (const bool nv : {true, false}) {
        SCOPED_TRACE(nv);
        fields.nv = nv;
        add();
        ASSERT_TRUE(held->advance());
        actions.cancel();
        driveToEnd();
        EXPECT_FALSE(actions.running());
        EXPECT_EQ(dialog.runs.back(), SequenceRunKind::None);
        EXPECT_EQ(adding.rows().count(), 0u);
    }
    EXPECT_EQ(adding.runs, 0);
    EXPECT_EQ(dialog.closes, 0);
    EXPECT_EQ(dialog.mainDirectory, "unchanged");
    EXPECT_FALSE(store.keyExists(core::mru::kSeqUrl.key));
}

// The view takes new rows at its own pace, so the list holds every URL of a slice as soon
// as the slice ends; URLs held back would reach the list in ever larger lumps.
TEST_F(SequenceActionsTest, AddPassesEverySliceOnToTheList) {
    fields.end = "100000";
    fields.nv = false;
    onSlice = [&] {
        EXPECT_EQ(links.count(), static_cast<std::size_t>(slices) * core::SequenceRun::kSlice);
        EXPECT_EQ(links.textAt(links.count() - 1),
                  "http://h/f" + std::to_string(links.count()) + ".jpg");
    };
    add();
    EXPECT_EQ(links.count(), 100000u);
}

// Batches reach the list between URLs, so every entry must get the values of its own URL.
TEST_F(SequenceActionsTest, EntriesOfABracketTemplateKeepTheirCounterValues) {
    links.append("before");
    fields.glob = true;
    fields.nv = false;
    fields.url = "http://h/[01-3000]/{x,y}";
    actions.add(fields);
    ASSERT_EQ(links.count(), 6001u);
    EXPECT_GT(slices, 0);
    EXPECT_EQ(links.details().counters.find(links.idAt(0)), nullptr);
    for (std::size_t i = 1; i < links.count(); ++i) {
        const std::vector<std::string>* counters = links.details().counters.find(links.idAt(i));
        ASSERT_NE(counters, nullptr) << i;
        EXPECT_EQ(links.textAt(i), "http://h/" + (*counters)[0] + "/" + (*counters)[1]) << i;
    }
    EXPECT_EQ(*links.details().counters.find(links.idAt(6000)), (Texts{"3000", "y"}));
}

} // namespace
} // namespace harvex2::test
