#include "core/listfiles/OpenLinkList.h"

#include "core/listfiles/ListHeader.h"
#include "core/listfiles/TextListLoadRun.h"
#include "core/shell/LinkList.h"
#include "support/core/HandoffFakes.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <functional>
#include <memory>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using platform::FailureKind;
using platform::StatusPanel;

std::string record(char flag, std::string_view text) {
    std::string bytes{flag, static_cast<char>(text.size())};
    bytes += text;
    bytes.append(128 - text.size(), '\0');
    return bytes;
}

class OpenLinkListTest : public testing::Test {
protected:
    OpenLinkListTest() {
        status.setText(StatusPanel::State, "Welcome to Harvex");
        listFile = folder.makeFile("a list.nva", record(0, "142") + record(0, "http://h/") +
                                                     record(0, "dl") + record(1, "one") +
                                                     record(0, "two"));
    }

    test::TempFolder folder;
    std::string listFile;
    LinkList links;
    ListHeader boxes;
    test::RecordingStatusBar status;
    test::ScriptedPrompts prompts;
    OpenLinkList open{links, boxes, status, prompts, runAtOnce};
};

TEST_F(OpenLinkListTest, ThePresetPathLoadsWithoutAskingAndTheDialogStartsThereNextTime) {
    open.run(listFile);
    ASSERT_EQ(links.count(), 2u);
    EXPECT_EQ(status.text(StatusPanel::State), "Loaded");
    EXPECT_EQ(status.text(StatusPanel::Detail), listFile);
    EXPECT_EQ(status.detailHistory.front(), "2");
    EXPECT_EQ(boxes.baseUrl(), "http://h/");

    prompts.expectDialog(listFile);
    open.run(std::nullopt);
    EXPECT_EQ(links.count(), 4u);
    const auto& request = prompts.dialogsShown().at(0);
    EXPECT_EQ(request.title, "Load Harvex links list");
    EXPECT_EQ(request.initialPath, listFile);
    EXPECT_EQ(request.defaultExtension, "nva");
    ASSERT_EQ(request.filters.size(), 4u);
    EXPECT_EQ(request.filters[0].patterns, "*.nva");
    EXPECT_EQ(request.filters[1].patterns, "*.*");
}

TEST_F(OpenLinkListTest, CancellingTheDialogChangesNothing) {
    prompts.expectDialog(std::nullopt);
    open.run(std::nullopt);
    EXPECT_EQ(links.count(), 0u);
    EXPECT_EQ(status.text(StatusPanel::State), "Welcome to Harvex");
    EXPECT_TRUE(status.detailHistory.empty());
}

TEST_F(OpenLinkListTest, AFailedReadIsShownAndLeavesTheStateLoading) {
    test::TempFolder::write(listFile, test::TempFolder::read(listFile) + "short");
    prompts.expectFailure(FailureKind::General, "Read beyond end of file");
    open.run(listFile);
    EXPECT_EQ(links.count(), 2u);
    EXPECT_EQ(status.text(StatusPanel::State), "Loading...");
    EXPECT_EQ(status.text(StatusPanel::Detail), "2");
}

TEST_F(OpenLinkListTest, ALongFileLoadsARunPerSliceAndACancelKeepsWhatWasRead) {
    std::string bytes = record(0, "142") + record(0, "") + record(0, "");
    for (int i = 0; i < 10000; ++i) {
        bytes += record(0, std::to_string(i));
    }
    std::unique_ptr<SlicedRun> held;
    std::function<void()> heldEnd;
    OpenLinkList slow{links, boxes, status, prompts, [&](auto run, auto finished) {
                          held = std::move(run);
                          heldEnd = std::move(finished);
                      }};
    slow.run(folder.makeFile("long.nva", bytes));
    ASSERT_TRUE(held->advance());
    EXPECT_EQ(links.count(), 4096u);
    ASSERT_TRUE(held->advance());
    EXPECT_EQ(links.count(), 8192u);
    slow.cancel();
    EXPECT_FALSE(held->advance());
    held.reset();
    heldEnd();
    EXPECT_FALSE(slow.running());
    EXPECT_EQ(links.count(), 8192u);
    EXPECT_EQ(status.text(StatusPanel::State), "Loading...");
}

TEST_F(OpenLinkListTest, TheTextListFiltersReadALinkALineAndImportNamesTakesTheNames) {
    // One line longer than a slice's buffer: lines run on across slices.
    const std::string longLink = "http://h/" + std::string(TextListLoadRun::kBuffer, 'c');
    const std::string path = folder.makeFile("list.txt", "http://h/a\tx.zip\r\n\n" + longLink +
                                                             "\thttp://h/b\t../y.zip");
    const struct {
        std::size_t filter;
        std::vector<std::string> links;
        std::vector<std::string> names;
    } cases[] = {
        {2, {"http://h/a\tx.zip", longLink + "\thttp://h/b\t../y.zip"}, {}},
        {3, {"http://h/a", longLink + "\thttp://h/b"}, {"x.zip", "../y.zip"}},
    };
    for (const auto& [filter, texts, names] : cases) {
        LinkList read;
        OpenLinkList textOpen{read, boxes, status, prompts, runAtOnce};
        prompts.expectOpenOfType(path, filter);
        textOpen.run(std::nullopt);
        ASSERT_EQ(read.count(), texts.size()) << filter;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(read.textAt(i), texts[i]) << filter;
            const std::string* name = read.details().fileNames.find(read.idAt(i));
            EXPECT_EQ(name ? *name : "", names.empty() ? "" : names[i]) << filter;
        }
        EXPECT_EQ(status.text(StatusPanel::State), "Loaded");
        EXPECT_EQ(status.text(StatusPanel::Detail), path);
        EXPECT_EQ(prompts.dialogsShown().back().filters.at(filter).patterns, "*.txt");
    }
}

// The window's side of the file-kind refusals that the command-line tests go through.
TEST_F(OpenLinkListTest, AFileThatIsNoLinkListChangesNothingAndTheBoxNamesIt) {
    const std::string fifo = folder.file("fifo.nva");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string text = folder.makeFile("text.nva", std::string(500, 'x'));
    const std::pair<std::string, std::string> rows[] = {
        {fifo, "Not a regular file"},
        {text, "Not a Harvex links list"},
    };
    boxes.setBaseUrl("typed");
    for (const auto& [path, reason] : rows) {
        prompts.expectFailure(FailureKind::File, reason, path);
        open.run(path);
        EXPECT_EQ(links.count(), 0u);
        EXPECT_EQ(boxes.baseUrl(), "typed");
        EXPECT_EQ(status.text(StatusPanel::State), "Welcome to Harvex");
        EXPECT_TRUE(status.detailHistory.empty());
    }
}

} // namespace
} // namespace harvex2::core
