#include "support/ui/MainWindowFixture.h"

#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using test::MainWindowFixture;

class MainMenusTest : public MainWindowFixture {
protected:
    // The captions of a menu in order, separators as "-".
    QStringList captions(const QMenu* menu) const {
        QStringList result;
        for (const QAction* item : menu->actions()) {
            result << (item->isSeparator() ? u"-"_s : item->text());
        }
        return result;
    }
};

TEST_F(MainMenusTest, MenuBarHoldsTheThreeMenusInOrder) {
    QStringList titles;
    for (const QAction* menu : window->menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{u"&File"_s, u"&List"_s, u"&Help"_s}));
    EXPECT_EQ(captions(child<QMenu>("File1")),
              (QStringList{u"&Parse HTML..."_s, u"Parse &Multiple Files\u2026"_s,
                           u"O&pen Harvex links list..."_s, u"-"_s, u"&Save links..."_s, u"-"_s,
                           u"Add se&quence..."_s, u"-"_s, u"&Options..."_s, u"E&xit"_s}));
    EXPECT_EQ(captions(child<QMenu>("List1")),
              (QStringList{u"&Select All"_s, u"&Deselect All"_s, u"Invert Selection"_s,
                           u"Select S&pecial..."_s, u"Select &by Rules..."_s, u"-"_s,
                           u"&Paste links"_s, u"&Clear"_s, u"&Remove Selected"_s,
                           u"Remove D&uplicates"_s, u"Ignore &Tracking Parameters"_s, u"&Undo"_s}));
    EXPECT_EQ(captions(child<QMenu>("Help1")),
              (QStringList{u"Check for new &version..."_s, u"&Count..."_s, u"-"_s, u"Text Files"_s,
                           u"&About..."_s}));
    EXPECT_EQ(captions(child<QMenu>("Textfiles1")),
              (QStringList{u"Readme"_s, u"Version History"_s}));
}

// Every command item: its name, caption, shortcut and whether it carries an image.
struct ItemCase {
    const char* name;
    const char16_t* caption;
    const char16_t* shortcut;
    bool image;
};

void PrintTo(const ItemCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuItemTest : public MainMenusTest, public testing::WithParamInterface<ItemCase> {};

TEST_P(MenuItemTest, HasItsCaptionShortcutAndImage) {
    const ItemCase& c = GetParam();
    const QAction* item = action(c.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf16(c.caption));
    EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromUtf16(c.shortcut)));
    EXPECT_EQ(!item->icon().isNull(), c.image);
}

INSTANTIATE_TEST_SUITE_P(
    MainMenu, MenuItemTest,
    testing::Values(ItemCase{"Parsehtml1", u"&Parse HTML...", u"", true},
                    ItemCase{"ParseMultipleFiles1", u"Parse &Multiple Files\u2026", u"", false},
                    ItemCase{"Openlist1", u"O&pen Harvex links list...", u"", true},
                    ItemCase{"SaveHTML1", u"&Save links...", u"", false},
                    ItemCase{"Addsequence1", u"Add se&quence...", u"", true},
                    ItemCase{"Options1", u"&Options...", u"", false},
                    ItemCase{"Exit1", u"E&xit", u"", false},
                    ItemCase{"Selectall1", u"&Select All", u"Ctrl+A", false},
                    ItemCase{"Deselectall1", u"&Deselect All", u"Ctrl+D", false},
                    ItemCase{"Invertselection1", u"Invert Selection", u"", false},
                    ItemCase{"Selectspecial1", u"Select S&pecial...", u"", false},
                    ItemCase{"Clear1", u"&Clear", u"Ctrl+X", true},
                    ItemCase{"Removeselected1", u"&Remove Selected", u"", true},
                    ItemCase{"Undo1", u"&Undo", u"", false},
                    ItemCase{"Checkfornewversion1", u"Check for new &version...", u"", false},
                    ItemCase{"Count1", u"&Count...", u"", false},
                    ItemCase{"Readme1", u"Readme", u"", false},
                    ItemCase{"Versionhistory1", u"Version History", u"", false},
                    ItemCase{"About1", u"&About...", u"", true}));

INSTANTIATE_TEST_SUITE_P(
    PopUpAndDropDowns, MenuItemTest,
    testing::Values(ItemCase{"Selectall2", u"Select all", u"", false},
                    ItemCase{"Deselectall2", u"Deselect all", u"", false},
                    ItemCase{"Invertselection2", u"Invert Selection", u"", false},
                    ItemCase{"Deleteselected1", u"Delete selected", u"", true},
                    ItemCase{"Deleteall1", u"Delete all", u"", true},
                    ItemCase{"Selectspecial2", u"Select special...", u"", false},
                    ItemCase{"Parsehtml2", u"Parse HTML...", u"", true},
                    ItemCase{"LoadHarvexlinkslist1", u"Load Harvex links list...", u"", true},
                    ItemCase{"Savelinks1", u"Save links...", u"", false}));

TEST_F(MainMenusTest, ListPopUpHoldsItsItemsInOrder) {
    EXPECT_EQ(captions(child<QMenu>("PopupMenu1")),
              (QStringList{u"Select all"_s, u"Deselect all"_s, u"Invert Selection"_s, u"-"_s,
                           u"Delete selected"_s, u"Delete all"_s, u"-"_s, u"Select special..."_s,
                           u"Paste links"_s, u"-"_s, u"Make template from this URL"_s}));
    EXPECT_FALSE(child<QMenu>("Textfiles1")->menuAction()->icon().isNull());
}

TEST_F(MainMenusTest, ToolBarShowsThreeImageButtonsWithTipsAndDropDowns) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const auto* parse = child<QToolButton>("ToolButton1");
    const auto* save = child<QToolButton>("ToolButton2");
    const auto* sequence = child<QToolButton>("ToolButton4");
    ASSERT_TRUE(parse && save && sequence);
    EXPECT_EQ(parse->text(), u"Parse HTML");
    EXPECT_EQ(parse->toolTip(), u"Load a file");
    EXPECT_EQ(save->text(), u"Save links");
    EXPECT_EQ(save->toolTip(), u"Save links");
    EXPECT_EQ(sequence->text(), u"Add a sequence of files");
    EXPECT_EQ(sequence->toolTip(), u"Add a sequence of links");
    for (const QToolButton* button : {parse, save, sequence}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
        EXPECT_FALSE(button->icon().isNull());
    }
    EXPECT_EQ(captions(parse->menu()),
              (QStringList{u"Parse HTML..."_s, u"Load Harvex links list..."_s}));
    EXPECT_EQ(captions(save->menu()), QStringList{u"Save links..."_s});
    EXPECT_EQ(sequence->menu(), nullptr);
    EXPECT_EQ(child<QFrame>("ToolButton3")->width(), 8);
    EXPECT_LT(parse->x(), save->x());
    EXPECT_LT(save->x(), sequence->x());
}

} // namespace
} // namespace harvex2::ui
