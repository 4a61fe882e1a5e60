#include "core/shell/MruHistory.h"
#include "support/core/NetVampireInstall.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/HandoffWindows.h"
#include "ui/shell/MainStatusBar.h"

#include <filesystem>

#include <QComboBox>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;
using platform::StatusPanel;

constexpr ui::WindowEntry kHandoffWindows[] = {
    {ui::WindowSlot::Adding, "Adding ", ui::SplashLine::First, &ui::makeAddingWindow},
    {ui::WindowSlot::Connecting, "Connecting ", ui::SplashLine::First, &ui::makePleaseWaitWindow},
};

// The main window with the Adding and Please-wait windows made as at start-up, and a
// Net Vampire installed in a folder of the test's own.
class AddChainTest : public MainWindowFixture {
protected:
    void SetUp() override {
        catalog = std::make_unique<ui::WindowCatalog>(kHandoffWindows);
        start();
        for (const ui::WindowEntry& entry : catalog->entries()) {
            catalog->create(entry, services);
        }
        adding()->findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(20);
    }

    ui::AddingWindow* adding() const {
        return static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    }

    void installProgram(bool withData) { installNetVampire(env.machineStore, program, withData); }

    // Five links, the second unchecked; two of the checked ones are relative.
    void fillList() {
        for (const char* text :
             {"http://a/x.zip", "http://a/skip.zip", "rel/b.zip", "/c.zip", "ftp://f/d.bin"}) {
            window->links().append(text);
        }
        for (std::size_t i : {0U, 2U, 3U, 4U}) {
            window->links().setChecked(i, true);
        }
        window->baseUrlBox()->setEditText(QStringLiteral("http://base/"));
        window->directoryBox()->setEditText(QString::fromStdString(env.folder() + "/down"));
    }

    void addSelected() { clickAndFinish("Button1"); }

    std::vector<std::string> listTexts() const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < window->links().count(); ++i) {
            texts.emplace_back(window->links().textAt(i));
        }
        return texts;
    }

    std::string program = env.folder() + "/Net Vampire";
};

TEST_F(AddChainTest, CheckedLinksBecomeJobsAndTheListIsTidied) {
    installProgram(true);
    const std::vector<std::string> all{"http://a/x.zip", "http://a/skip.zip", "rel/b.zip", "/c.zip",
                                       "ftp://f/d.bin"};
    const std::vector<std::string> unchecked{"http://a/skip.zip"};
    int files = 0;
    for (const std::int32_t tidyUp : {0, 1, 2}) {
        SCOPED_TRACE(tidyUp);
        window->links().clear();
        fillList();
        window->settings().tidyUp = tidyUp;
        addSelected();

        const core::AddingRows& rows = adding()->rows();
        ASSERT_EQ(rows.count(), 4u);
        EXPECT_EQ(rows.at(1).url, "http://base/rel/b.zip");
        EXPECT_EQ(rows.at(2).url, "http://base/c.zip");
        EXPECT_EQ(rows.at(3).target(), env.folder() + "/down/d.bin");
        for (std::size_t r = 0; r < rows.count(); ++r) {
            EXPECT_EQ(rows.at(r).picture, core::RowPicture::Added);
            EXPECT_TRUE(fs::exists(program + "/Data/Jobs/" + rows.at(r).status + ".nvj"));
        }
        files += 4;
        EXPECT_EQ(window->settings().files, files);
        EXPECT_EQ(listTexts(), tidyUp == 0 ? all : unchecked) << "TidyUp " << tidyUp;
        EXPECT_FALSE(adding()->isVisible());
        EXPECT_EQ(window->panels().text(StatusPanel::Detail),
                  "Handed over 4 of 4 links to NetVampire");
    }
    EXPECT_EQ(adding()->rows().at(3).status, "A0000016");
    const std::vector<std::string> bases(3, "http://base/");
    EXPECT_EQ(core::MruHistory::load(env.userFileStore, core::mru::kMainBaseUrl), bases);
    EXPECT_EQ(window->baseUrlBox()->count(), 3);
    EXPECT_EQ(window->baseUrlBox()->currentText(), QStringLiteral("http://base/"));
    EXPECT_EQ(core::MruHistory::load(env.userFileStore, core::mru::kMainDir).front(),
              env.folder() + "/down");
}

TEST_F(AddChainTest, AddAllHandsOverEveryEntryAndLeavesThemChecked) {
    installProgram(true);
    for (const char* text : {"http://a/1", "http://a/2", "http://a/3"}) {
        window->links().append(text);
    }
    clickAndFinish("Button2");
    EXPECT_EQ(adding()->rows().count(), 3u);
    for (std::size_t i = 0; i < window->links().count(); ++i) {
        EXPECT_TRUE(window->links().checkedAt(i));
    }
}

TEST_F(AddChainTest, AFailedWriteKeepsEveryLinkListedAndTheWindowOpen) {
    installProgram(false);
    fillList();
    window->settings().tidyUp = 2;
    const std::string failure = "Unable to write to " + program + "/Data/State/A0000000.nvc";
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", failure + ".", {MessageButton::Ok},
                              MessageButton::Ok);
    env.prompts.expectMessage(MessageIcon::Information, "Harvex2",
                              "The list tidy-up was aborted because a fatal error was detected "
                              "while adding links",
                              {MessageButton::Ok}, MessageButton::Ok);
    bool stayedOpen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (adding()->isVisible() && !adding()->passRunning() &&
            adding()->rows().at(0).status == "Failed - " + failure) {
            stayedOpen = true;
            EXPECT_EQ(adding()->rows().at(1).status, "Waiting");
            adding()->close();
        }
    });
    poll.start(5);
    addSelected();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(window->links().count(), 5u);
}

TEST_F(AddChainTest, CommandsThatChangeTheListWaitForTheRun) {
    fillList();
    window->baseUrlBox()->setEditText({});
    env.prompts.expectMessage(
        MessageIcon::Error, "Harvex2", "Error: this link requires a Base URL\r\nrel/b.zip",
        {MessageButton::Cancel, MessageButton::Ignore, MessageButton::IgnoreAll},
        MessageButton::Cancel);
    // The rows are built from the event loop once the click has returned.
    QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("Button3")->isEnabled());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    EXPECT_FALSE(window->acceptDrops());
    QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return child<QPushButton>("Button1")->isEnabled(); }));
    EXPECT_EQ(window->links().count(), 5u);
    EXPECT_TRUE(child<QPushButton>("Button1")->isEnabled());
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_TRUE(window->acceptDrops());
    EXPECT_EQ(window->panels().text(StatusPanel::State), "Failed");
    EXPECT_FALSE(adding()->isVisible());
}

TEST_F(AddChainTest, ClosingTheProgramDuringARunAsksFirstButALogoutDoesNot) {
    installProgram(true);
    fillList();
    window->settings().tidyUp = 2;
    // The pass has not started yet when the program is told to close.
    adding()->findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(60000);
    QTest::mouseClick(child<QPushButton>("Button1"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return adding()->isVisible(); }));
    env.prompts.expectMessage(MessageIcon::Question, "Harvex2",
                              "Links are still being handed over.\r\nStop and exit?",
                              {MessageButton::Yes, MessageButton::No}, MessageButton::No);
    bool closed = false;
    QObject::connect(window.get(), &ui::MainWindow::closed, [&closed] { closed = true; });
    window->close();
    EXPECT_FALSE(closed);
    EXPECT_TRUE(adding()->isVisible());
    EXPECT_FALSE(child<QPushButton>("Button1")->isEnabled());

    window->exitProgram();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(adding()->isVisible());
    EXPECT_TRUE(child<QPushButton>("Button1")->isEnabled());
    EXPECT_EQ(adding()->rows().at(0).status, "Waiting");
    EXPECT_EQ(window->links().count(), 5u);
}

// Histories written by an earlier run, holding bytes that are not UTF-8.
class AddChainHistoryTest : public AddChainTest {
protected:
    void SetUp() override {
        core::MruHistory::save(env.userFileStore, core::mru::kMainBaseUrl, {}, kBase);
        core::MruHistory::save(env.userFileStore, core::mru::kMainDir, {}, directory);
        AddChainTest::SetUp();
    }

    static constexpr const char* kBase = "http://h/caf\xE9/";
    const std::string directory = env.folder() + "/d\xF6wn";
};

TEST_F(AddChainHistoryTest, PickedEntriesReachTheRowsAndTheHistoriesExactly) {
    installProgram(true);
    window->links().append("f\xFCr.zip");
    window->links().setChecked(0, true);
    EXPECT_EQ(window->baseUrlBox()->itemText(0), u"http://h/caf\u00E9/"_s);
    QTest::keyClick(window->baseUrlBox(), Qt::Key_Down);
    QTest::keyClick(window->directoryBox(), Qt::Key_Down);
    addSelected();

    ASSERT_EQ(adding()->rows().count(), 1u);
    EXPECT_EQ(adding()->rows().at(0).url, std::string(kBase) + "f\xFCr.zip");
    EXPECT_EQ(adding()->rows().at(0).target(), directory + "/f\xFCr.zip");
    const std::vector<std::string> bases(2, kBase);
    EXPECT_EQ(core::MruHistory::load(env.userFileStore, core::mru::kMainBaseUrl), bases);
    const std::vector<std::string> directories(2, directory);
    EXPECT_EQ(core::MruHistory::load(env.userFileStore, core::mru::kMainDir), directories);
}

} // namespace
} // namespace harvex2::test
