#include "support/ui/MainWindowFixture.h"
#include "ui/handoff/MainCommandLock.h"
#include "ui/shell/DirectoryBrowser.h"
#include "ui/shell/MainStatusBar.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using platform::MessageButton;
using platform::MessageIcon;
using test::MainWindowFixture;

class MainCommandsTest : public MainWindowFixture {
protected:
    // Four entries, the first and the third checked.
    void fillList() {
        for (const char* text : {"a.zip", "b.zip", "c.zip", "d.zip"}) {
            window->links().append(text);
        }
        window->links().setChecked(0, true);
        window->links().setChecked(2, true);
    }

    // Keys reach the window only once it is the active one.
    bool showActive() {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    std::string listState() const {
        std::string state;
        for (std::size_t i = 0; i < window->links().count(); ++i) {
            state += window->links().textAt(i).substr(0, 1);
            state += window->links().checkedAt(i) ? "+ " : "- ";
        }
        return state;
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
};

// A list command and the list it leaves behind from "a+ b- c+ d-".
struct ListCase {
    const char* trigger; // a menu item or a button
    const char* after;
};

void PrintTo(const ListCase& c, std::ostream* out) {
    *out << c.trigger;
}

class ListCommandTest : public MainCommandsTest, public testing::WithParamInterface<ListCase> {};

TEST_P(ListCommandTest, ChangesTheListAsTheCommandSays) {
    fillList();
    if (auto* button = window->findChild<QPushButton*>(QLatin1StringView(GetParam().trigger))) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        action(GetParam().trigger)->trigger();
    }
    EXPECT_EQ(listState(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    MenusPopUpAndButton, ListCommandTest,
    testing::Values(ListCase{"Selectall1", "a+ b+ c+ d+ "}, ListCase{"Selectall2", "a+ b+ c+ d+ "},
                    ListCase{"Deselectall1", "a- b- c- d- "},
                    ListCase{"Deselectall2", "a- b- c- d- "},
                    ListCase{"Invertselection1", "a- b+ c- d+ "},
                    ListCase{"Invertselection2", "a- b+ c- d+ "}, ListCase{"Clear1", ""},
                    ListCase{"Deleteall1", ""}, ListCase{"Removeselected1", "b- d- "},
                    ListCase{"Deleteselected1", "b- d- "}, ListCase{"Button3", "b- d- "}));

TEST_F(MainCommandsTest, ShortcutsReachTheListCommandsFromTheList) {
    fillList();
    ASSERT_TRUE(showActive());
    QWidget* list = child<QWidget>("CheckListBox1");
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(listState(), "a+ b+ c+ d+ ");
    QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(listState(), "a- b- c- d- ");
    QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(listState(), "");
}

// Each key press starts a new change; what the program did before the first is one too.
TEST_F(MainCommandsTest, CtrlZAndUndoTakeBackOneUserActionEach) {
    fillList();
    ASSERT_TRUE(showActive());
    QWidget* list = child<QWidget>("CheckListBox1");
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(listState(), "a+ b+ c+ d+ ");
    action("Undo1")->trigger();
    EXPECT_EQ(listState(), "a+ b- c+ d- ");
    action("Undo1")->trigger();
    EXPECT_EQ(listState(), "");
}

// The Add command reads the list by position meanwhile.
TEST_F(MainCommandsTest, CtrlZWaitsWhileTheCommandsAreLocked) {
    fillList();
    ASSERT_TRUE(showActive());
    MainCommandLock lock(*window);
    lock.setLocked(true);
    QTest::keyClick(child<QWidget>("CheckListBox1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(listState(), "a+ b- c+ d- ");
}

TEST_F(MainCommandsTest, EditingKeysInAnInputBoxEditTheBoxAndLeaveTheListAlone) {
    fillList();
    ASSERT_TRUE(showActive());
    QWidget* edit = window->baseUrlBox()->lineEdit();
    edit->setFocus();
    QTest::keyClicks(edit, u"http://host/"_s);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->baseUrlBox()->currentText(), u"");
    EXPECT_EQ(listState(), "a+ b- c+ d- ");
}

// As Firefox copies a selection: absolute and relative hrefs, the page's address in UTF-16.
TEST_F(MainCommandsTest, CtrlVOnTheListPastesTheLinksOfTheCopiedSelection) {
    fillList();
    auto* copied = new QMimeData;
    copied->setHtml(u"<meta charset=utf-8><a href=\"http://h/e.zip\">e</a> "
                    "<a href=\"f.zip\">f</a> <a href=\"mailto:me@h\">me</a> www.h.com/g.zip"_s);
    copied->setText(u"e f me www.h.com/g.zip"_s);
    const QString address = u"http://h/dir/page.htm\nThe page"_s;
    copied->setData(u"text/x-moz-url-priv"_s,
                    QByteArray(reinterpret_cast<const char*>(address.utf16()),
                               static_cast<qsizetype>(address.size() * 2)));
    QGuiApplication::clipboard()->setMimeData(copied);
    ASSERT_TRUE(showActive());
    QTest::keyClick(child<QWidget>("CheckListBox1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(listState(), "a+ b- c+ d- h- h- h- ");
    EXPECT_EQ(window->links().textAt(5), "http://h/dir/f.zip");
    EXPECT_EQ(window->links().textAt(6), "http://www.h.com/g.zip");
    EXPECT_EQ(window->panels().text(platform::StatusPanel::Detail), "Links added: 3, left out: 1");
}

TEST_F(MainCommandsTest, AddAllChecksEveryEntryThenRunsTheAddCommand) {
    fillList();
    std::vector<std::string> seen;
    window->hooks().addSelected = [&] { seen.push_back(listState()); };
    click("Button1");
    click("Button2");
    EXPECT_EQ(seen, (std::vector<std::string>{"a+ b- c+ d- ", "a+ b+ c+ d+ "}));
}

TEST_F(MainCommandsTest, AddAllOnAnEmptyListStillHandsOverTheEmptySelection) {
    int runs = 0;
    window->hooks().addSelected = [&] { ++runs; };
    click("Button2");
    EXPECT_EQ(runs, 1);
}

TEST_F(MainCommandsTest, CountShowsTheFilesAddedSoFar) {
    env.prompts.expectMessage(MessageIcon::Information, "Information",
                              "Harvex has added 0 files to NetVampire", {MessageButton::Ok},
                              MessageButton::Ok);
    action("Count1")->trigger();

    window->settings().files = 1234;
    env.prompts.expectMessage(MessageIcon::Information, "Information",
                              "Harvex has added 1234 files to NetVampire", {MessageButton::Ok},
                              MessageButton::Ok);
    action("Count1")->trigger();

    // The counter counts every target; another one than the first managers is named.
    window->settings().mode = core::TargetProgram::Aria2;
    env.prompts.expectMessage(
        MessageIcon::Information, "Information",
        "Harvex has added 1234 files to download managers; the one chosen now is aria2",
        {MessageButton::Ok}, MessageButton::Ok);
    action("Count1")->trigger();
}

TEST_F(MainCommandsTest, TextFilesOpenFromTheProgramFolderMaximised) {
    action("Readme1")->trigger();
    action("Versionhistory1")->trigger();
    using platform::ShowMode;
    EXPECT_EQ(env.shell.opened, (std::vector<std::pair<std::string, ShowMode>>{
                                    {env.folder() + "/readme.txt", ShowMode::Maximised},
                                    {env.folder() + "/history.txt", ShowMode::Maximised}}));
    env.shell.opens = false;
    env.prompts.expectMessage(MessageIcon::Information, "Harvex2",
                              "No program could be started to show the file. It is:\n" +
                                  env.folder() + "/readme.txt",
                              {MessageButton::Ok}, MessageButton::Ok);
    action("Readme1")->trigger();
}

TEST_F(MainCommandsTest, CommandsOfOtherWindowsGoToTheirHooks) {
    std::vector<std::string> calls;
    MainWindowHooks& hooks = window->hooks();
    hooks.openLinkList = [&](const std::optional<std::string>& path) {
        calls.push_back(path ? "open " + *path : "open");
    };
    hooks.saveLinks = [&] { calls.push_back("save"); };
    hooks.checkForNewVersion = [&] { calls.push_back("update"); };
    hooks.about = [&] { calls.push_back("about"); };
    for (const char* name : {"Openlist1", "LoadHarvexlinkslist1", "SaveHTML1", "Savelinks1",
                             "Checkfornewversion1", "About1"}) {
        action(name)->trigger();
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"open", "open", "save", "save", "update", "about"}));
}

// Windows of the catalog may be missing (a test makes only some); a hook that nothing set is
// a programming error instead, which a debug build stops on.
TEST_F(MainCommandsTest, CommandsWithoutTheirWindowDoNothing) {
    for (const char* name : {"Parsehtml1", "Addsequence1", "Options1", "Selectspecial1"}) {
        action(name)->trigger();
    }
    click("Button4");
    EXPECT_EQ(window->directoryBox()->currentText(), u"");
}

TEST_F(MainCommandsTest, DroppedFilesReachTheirHookInOrder) {
    std::vector<std::string> dropped;
    window->hooks().filesDropped = [&](const std::vector<std::string>& paths) { dropped = paths; };
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(u"/data/one page.htm"_s), QUrl::fromLocalFile(u"/data/list.nva"_s)});
    // A drop reaches only the window that accepted the drag entering it.
    QDragEnterEvent enter(QPoint(50, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(dropped, (std::vector<std::string>{"/data/one page.htm", "/data/list.nva"}));
}

// Opens once modally, records it and closes itself.
class RecordingDialog : public QDialog {
public:
    int shown = 0;

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        ++shown;
        QTimer::singleShot(0, this, &QDialog::reject);
    }
};

// A browser that answers with a fixed directory, or is cancelled.
class FixedBrowser : public QWidget, public DirectoryBrowser {
public:
    std::optional<std::string> answer;
    std::optional<std::string> browse() override { return answer; }
};

template <class Window> std::unique_ptr<QWidget> make(AppServices&) {
    return std::make_unique<Window>();
}

constexpr WindowEntry kWindows[] = {
    {WindowSlot::ParseHtml, "Import ", SplashLine::First, &make<RecordingDialog>},
    {WindowSlot::Sequential, "Sequential ", SplashLine::First, &make<RecordingDialog>},
    {WindowSlot::SelectSpecial, "Select ", SplashLine::First, &make<RecordingDialog>},
    {WindowSlot::Options, "Options ", SplashLine::First, &make<RecordingDialog>},
    {WindowSlot::BrowseDir, "BrowseDir ", SplashLine::First, &make<FixedBrowser>},
};

class CatalogCommandsTest : public MainCommandsTest {
protected:
    void SetUp() override {
        catalog = std::make_unique<WindowCatalog>(kWindows);
        MainCommandsTest::SetUp();
        for (const WindowEntry& entry : kWindows) {
            catalog->create(entry, services);
        }
    }
    int timesShown(WindowSlot slot) const {
        return static_cast<RecordingDialog*>(catalog->window(slot))->shown;
    }
    FixedBrowser& browser() const {
        return *static_cast<FixedBrowser*>(catalog->window(WindowSlot::BrowseDir));
    }
};

TEST_F(CatalogCommandsTest, MenuItemsOpenTheirWindowsModally) {
    for (const char* name : {"Parsehtml1", "Parsehtml2", "Addsequence1", "Selectspecial1",
                             "Selectspecial2", "Options1"}) {
        action(name)->trigger();
    }
    QTest::mouseClick(child<QToolButton>("ToolButton4"), Qt::LeftButton);
    EXPECT_EQ(timesShown(WindowSlot::ParseHtml), 2);
    EXPECT_EQ(timesShown(WindowSlot::Sequential), 2);
    EXPECT_EQ(timesShown(WindowSlot::SelectSpecial), 2);
    EXPECT_EQ(timesShown(WindowSlot::Options), 1);
}

TEST_F(CatalogCommandsTest, BrowseButtonPutsTheChosenDirectoryIntoTheBox) {
    window->directoryBox()->setEditText(u"/old"_s);
    browser().answer = std::nullopt;
    click("Button4");
    EXPECT_EQ(window->directoryBox()->currentText(), u"/old");
    browser().answer = "/data/d\xc3\xa9j\xc3\xa0";
    click("Button4");
    EXPECT_EQ(window->directoryBox()->currentText(), u"/data/d\u00e9j\u00e0");
}

} // namespace
} // namespace harvex2::ui
