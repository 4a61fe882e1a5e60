#include "ui/listfiles/ListFileCommands.h"

#include "support/ui/MainWindowFixture.h"
#include "ui/platform/ShownBytes.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/StartupSequence.h"

#include <set>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using platform::StatusPanel;
using test::TempFolder;

std::string record(char flag, std::string_view text) {
    std::string bytes{flag, static_cast<char>(text.size())};
    bytes += text;
    bytes.append(128 - text.size(), '\0');
    return bytes;
}

const std::string kListBytes = record(0, "142") + record(0, "http://site/") +
                               record(0, "/home/me/dl") + record(1, "a.zip") + record(0, "b.zip");

// Fills the Save Links dialog once it is up and confirms it.
void whenSaveDialog(const QString& path, const char* type, const char* scope) {
    QTimer::singleShot(0, [=] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->objectName(), u"TForm6");
        dialog->findChild<QLineEdit*>(u"Edit1"_s)->setText(path);
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QLatin1StringView(type)),
                          Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QRadioButton*>(QLatin1StringView(scope)),
                          Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"Button2"_s), Qt::LeftButton);
    });
}

class ListFileCommandsTest : public test::MainWindowFixture {
protected:
    std::string panel(StatusPanel which) const { return window->panels().text(which); }
    const ListFileCommands& commands() const { return *window->findChild<ListFileCommands*>(); }
    // A file of `entries` entries after the header of kListBytes.
    std::string bigList(const char* name, int entries) {
        std::string bytes = kListBytes.substr(0, 3 * 130);
        for (int i = 0; i < entries; ++i) {
            bytes += record(0, "e" + std::to_string(i));
        }
        return files.makeFile(name, bytes);
    }

    TempFolder files;
};

TEST_F(ListFileCommandsTest, TheMenuAndToolbarOpenAListAndTheDialogRemembersIt) {
    const std::string path = files.makeFile("saved list.nva", kListBytes);
    env.prompts.expectDialog(path);
    action("Openlist1")->trigger();
    ASSERT_EQ(window->links().count(), 2u);
    EXPECT_TRUE(window->links().checkedAt(0));
    EXPECT_EQ(ShownBytes::read(*window->baseUrlBox()), "http://site/");
    EXPECT_EQ(ShownBytes::read(*window->directoryBox()), "/home/me/dl");
    EXPECT_EQ(panel(StatusPanel::State), "Loaded");
    EXPECT_EQ(panel(StatusPanel::Detail), path);

    env.prompts.expectDialog(std::nullopt);
    action("LoadHarvexlinkslist1")->trigger();
    EXPECT_EQ(env.prompts.dialogsShown().at(1).initialPath, path);
    EXPECT_EQ(window->links().count(), 2u);
}

TEST_F(ListFileCommandsTest, APresetPathOpensWithoutAskingAndAFailureIsShown) {
    const std::string path = files.makeFile("cut.nva", kListBytes + "xyz");
    env.prompts.expectMessage(platform::MessageIcon::Error, "Harvex2", "Read beyond end of file.",
                              {platform::MessageButton::Ok}, platform::MessageButton::Ok);
    window->hooks().openLinkList(path);
    EXPECT_EQ(window->links().count(), 2u);
    EXPECT_EQ(panel(StatusPanel::State), "Loading...");
}

TEST_F(ListFileCommandsTest, SaveLinksWritesWhatItsFreshDialogAsks) {
    window->links().append("rel/c.zip");
    window->links().setChecked(0, true);
    ShownBytes::show(*window->baseUrlBox(), "http://b/");
    const std::string text = files.file("links.txt");
    whenSaveDialog(QString::fromStdString(text), "radText", "RadioButton3");
    action("SaveHTML1")->trigger();
    EXPECT_EQ(TempFolder::read(text), "");
    EXPECT_EQ(panel(StatusPanel::State), "Saved links");

    window->links().setChecked(0, false);
    whenSaveDialog(QString::fromStdString(text), "radText", "RadioButton3");
    action("SaveHTML1")->trigger();
    EXPECT_EQ(TempFolder::read(text), "http://b/rel/c.zip\r\n");

    // The next dialog starts afresh: a list file, whatever the scope.
    const std::string list = files.file("links.nva");
    whenSaveDialog(QString::fromStdString(list), "radHarvex", "RadioButton2");
    action("SaveHTML1")->trigger();
    EXPECT_EQ(TempFolder::read(list).size(), 130u * 4);
    EXPECT_EQ(panel(StatusPanel::State), "Saved");
}

// Once the window is up, a load runs from its event loop: the list grows in runs while the
// commands stay locked, and nothing else can start meanwhile.
TEST_F(ListFileCommandsTest, ALoadOnScreenRunsFromTheLoopWithTheCommandsLocked) {
    window->show();
    const std::string path = bigList("big.nva", 10000);
    window->hooks().openLinkList(path);
    EXPECT_TRUE(commands().running());
    EXPECT_FALSE(window->menuBar()->isEnabled());
    window->hooks().openLinkList(path);
    std::vector<std::size_t> counts;
    while (commands().running()) {
        counts.push_back(window->links().count());
        QCoreApplication::processEvents();
    }
    EXPECT_GT(std::set<std::size_t>(counts.begin(), counts.end()).size(), 2u);
    EXPECT_EQ(window->links().count(), 10000u);
    EXPECT_TRUE(window->menuBar()->isEnabled());
    EXPECT_EQ(panel(StatusPanel::State), "Loaded");
}

// A save asked for is not lost by closing the program before it is written.
TEST_F(ListFileCommandsTest, ClosingTheWindowFinishesASaveUnderWay) {
    window->show();
    for (int i = 0; i < 10000; ++i) {
        window->links().append("e" + std::to_string(i));
    }
    const std::string path = files.makeFile("kept.nva", "earlier");
    whenSaveDialog(QString::fromStdString(path), "radHarvex", "RadioButton1");
    action("SaveHTML1")->trigger();
    EXPECT_TRUE(commands().running());
    EXPECT_EQ(TempFolder::read(path), "earlier");
    window->close();
    EXPECT_EQ(TempFolder::read(path).size(), 130u * 10003);
    EXPECT_EQ(panel(StatusPanel::State), "Saved");
}

TEST_F(ListFileCommandsTest, ThePageFooterLeavesOutTheTimeAtMidnight) {
    QLocale::setDefault(QLocale::c());
    const QDate day(2026, 12, 8);
    EXPECT_EQ(ListFileCommands::pageFooter(QDateTime(day, QTime(0, 0))).dateTime, "8 Dec 2026");
    EXPECT_EQ(ListFileCommands::pageFooter(QDateTime(day, QTime(14, 5, 9))).dateTime,
              "8 Dec 2026 14:05:09");
    EXPECT_EQ(ListFileCommands::pageFooter(QDateTime(day, QTime(14, 5, 9))).version, "1.42");
}

// The program's own start-up with its real windows opens a list named on the command line.
TEST(ListFileStartupTest, ALinkListFileOnTheCommandLineOpensAtStartUp) {
    test::UiTestServices env;
    AppServices services = env.make();
    TempFolder files;
    const std::string path = files.makeFile("start.nva", kListBytes);
    StartupSequence startup(services, core::CommandLine({path}));
    startup.createWindows();
    startup.finish();
    MainWindow& window = startup.mainWindow();
    ASSERT_EQ(window.links().count(), 2u);
    EXPECT_EQ(window.links().textAt(1), "b.zip");
    EXPECT_EQ(window.panels().text(StatusPanel::State), "Loaded");
    EXPECT_EQ(ShownBytes::read(*window.baseUrlBox()), "http://site/");
}

} // namespace
} // namespace harvex2::ui
