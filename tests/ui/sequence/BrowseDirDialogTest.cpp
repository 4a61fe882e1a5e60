#include "ui/sequence/BrowseDirDialog.h"

#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"
#include "support/core/TreeFolders.h"
#include "ui/platform/FailureBox.h"

#include <filesystem>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;

class BrowseDirDialogTest : public testing::Test {
protected:
    void SetUp() override {
        prompts.showFailuresAs(&FailureBox::requestFor);
        for (const char* folder : {"dl/pics", "dl/Music"}) {
            fs::create_directories(temp.file(folder));
        }
        auto owned = std::make_unique<test::TreeFolders>(temp.file("dl"));
        folders = owned.get();
        folders->volumes_ = {{"/", "vda"}, {temp.path(), "Temp"}, {temp.file("dl/pics"), "Card"}};
        dialog = std::make_unique<BrowseDirDialog>(prompts, std::move(owned));
        // A window that a failing test leaves open would hold the run for ever.
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            while (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                stuck = true;
                modal->reject();
            }
        });
        watchdog.start(5000);
    }
    void TearDown() override { EXPECT_FALSE(stuck) << "a window was left open"; }

    template <class T> T* control(const char* name) const {
        auto* found = dialog->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QListView* list() const { return control<QListView>("DirectoryListBox1"); }
    QComboBox* drives() const { return control<QComboBox>("DriveComboBox1"); }
    void click(const char* button) const {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    // The names on the lines below the temporary folder.
    QStringList lines() const {
        const QString below = QString::fromStdString(temp.path() + "/");
        QStringList shown;
        for (int row = 0; row < list()->model()->rowCount(); ++row) {
            const QModelIndex index = list()->model()->index(row, 0);
            if (index.data(Qt::ToolTipRole).toString().startsWith(below)) {
                shown << index.data().toString();
            }
        }
        return shown;
    }
    QModelIndex line(const QString& name) const {
        const auto found = list()->model()->match(list()->model()->index(0, 0), Qt::DisplayRole,
                                                  name, 1, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        return found.value(0);
    }
    void doubleClick(const QString& name) const {
        const QModelIndex index = line(name);
        list()->scrollTo(index);
        const QPoint at = list()->visualRect(index).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    // Shows the browser modally and runs `whileShown` in it.
    std::optional<std::string> browse(std::function<void()> whileShown) {
        QTimer::singleShot(0, dialog.get(), [whileShown = std::move(whileShown)] { whileShown(); });
        return dialog->browse();
    }
    // Presses "New Folder..." and runs `inDialog` in the Create New Directory window.
    void newFolder(std::function<void(QDialog&)> inDialog) {
        QTimer::singleShot(0, dialog.get(), [inDialog = std::move(inDialog)] {
            auto* created = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(created, nullptr);
            inDialog(*created);
        });
        click("Button3");
    }

    test::TempFolder temp;
    test::ScriptedPrompts prompts;
    test::TreeFolders* folders = nullptr;
    std::unique_ptr<BrowseDirDialog> dialog;
    QTimer watchdog;
    bool stuck = false;
};

TEST_F(BrowseDirDialogTest, ShowsItsControlsInTheirPlaces) {
    EXPECT_EQ(dialog->objectName(), u"TBrowseDir");
    EXPECT_EQ(dialog->windowTitle(), u"Browse for directory...");
    EXPECT_EQ(dialog->size(), QSize(245, 198));
    EXPECT_EQ(drives()->geometry().topLeft(), QPoint(9, 11));
    EXPECT_EQ(list()->geometry(), QRect(9, 34, 145, 156));
    const struct {
        const char* name;
        QString text;
        QRect geometry;
    } buttons[] = {{"Button1", u"OK"_s, {164, 11, 75, 25}},
                   {"Button2", u"Cancel"_s, {164, 40, 75, 25}},
                   {"Button3", u"New Folder..."_s, {164, 102, 75, 25}}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(control<QPushButton>(b.name)->text(), b.text);
        EXPECT_EQ(control<QPushButton>(b.name)->geometry(), b.geometry);
    }
    EXPECT_TRUE(control<QPushButton>("Button1")->isDefault());
    // Each volume with its name, the one holding the current directory chosen.
    ASSERT_EQ(drives()->count(), 3);
    EXPECT_EQ(drives()->itemText(0), u"/ [vda]");
    EXPECT_EQ(drives()->currentIndex(), 1);
}

TEST_F(BrowseDirDialogTest, FocusStartsInTheListAndTabGoesOnToTheButtons) {
    QStringList order;
    browse([&] {
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        EXPECT_EQ(QApplication::focusWidget(), list());
        drives()->setFocus();
        for (int i = 0; i < 5; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(order, (QStringList{u"DriveComboBox1"_s, u"DirectoryListBox1"_s, u"Button1"_s,
                                  u"Button2"_s, u"Button3"_s}));
}

TEST_F(BrowseDirDialogTest, DoubleClickOrEnterOpensAndOkReturnsTheOpenedDirectory) {
    QStringList seen;
    const auto chosen = browse([&] {
        EXPECT_EQ(lines(), (QStringList{u"dl"_s, u"Music"_s, u"pics"_s}));
        doubleClick(u"Music"_s);
        seen << lines().join(u' ');
        list()->setCurrentIndex(line(u"dl"_s));
        QTest::keyClick(list(), Qt::Key_Return);
        seen << lines().join(u' ');
        EXPECT_TRUE(dialog->isVisible()) << "Enter opens; it does not press OK";
        list()->setCurrentIndex(line(u"pics"_s));
        QTest::keyClick(list(), Qt::Key_Enter);
        // Selecting a line without opening it leaves the current directory as it is.
        list()->setCurrentIndex(line(u"dl"_s));
        click("Button1");
    });
    EXPECT_EQ(seen, (QStringList{u"dl Music"_s, u"dl Music pics"_s}));
    EXPECT_EQ(chosen, temp.file("dl/pics"));
}

TEST_F(BrowseDirDialogTest, CancelReturnsNothingAndTheNextOpeningShowsWhereTheUserLeft) {
    const auto cancelled = browse([&] {
        doubleClick(u"pics"_s);
        click("Button2");
    });
    EXPECT_EQ(cancelled, std::nullopt);
    const auto escaped = browse([&] {
        EXPECT_EQ(dialog->currentDirectory(), temp.file("dl/pics"));
        EXPECT_EQ(list()->currentIndex(), line(u"pics"_s));
        QTest::keyClick(list(), Qt::Key_Escape);
    });
    EXPECT_EQ(escaped, std::nullopt);
    EXPECT_EQ(browse([&] { click("Button1"); }), temp.file("dl/pics"));
}

TEST_F(BrowseDirDialogTest, NewFolderIsListedWhileTheCurrentDirectoryStays) {
    const auto chosen = browse([&] {
        newFolder([&](QDialog& created) {
            EXPECT_EQ(created.objectName(), u"TOKBottomDlg");
            EXPECT_EQ(created.windowTitle(), u"Create New Directory");
            EXPECT_EQ(created.size(), QSize(313, 150));
            EXPECT_EQ(created.findChild<QLabel*>(u"Label2"_s)->toolTip(),
                      QString::fromStdString(temp.file("dl")));
            EXPECT_TRUE(created.findChild<QPushButton*>(u"OKBtn"_s)->isDefault());
            QTest::keyClicks(created.findChild<QLineEdit*>(u"Edit1"_s), u"/new"_s);
            QTest::keyClick(created.findChild<QLineEdit*>(u"Edit1"_s), Qt::Key_Return);
        });
        EXPECT_EQ(lines(), (QStringList{u"dl"_s, u"Music"_s, u"new"_s, u"pics"_s}));
        // A window of its own each time: the name typed before is gone, and Escape
        // makes nothing.
        newFolder([&](QDialog& created) {
            auto* name = created.findChild<QLineEdit*>(u"Edit1"_s);
            EXPECT_EQ(name->text(), u"");
            QTest::keyClicks(name, u"other"_s);
            QTest::keyClick(name, Qt::Key_Escape);
        });
        click("Button1");
    });
    EXPECT_TRUE(fs::is_directory(temp.file("dl/new")));
    EXPECT_FALSE(fs::exists(temp.file("dl/other")));
    EXPECT_EQ(chosen, temp.file("dl"));
}

TEST_F(BrowseDirDialogTest, AFolderThatCannotBeMadeIsNamedInTheErrorBox) {
    temp.makeFile("dl/notes");
    browse([&] {
        prompts.expectMessage(MessageIcon::Error, "Error",
                              "Could not create new directory \"" + temp.file("dl/notes") + "\"",
                              {MessageButton::Ok}, MessageButton::Ok);
        newFolder([&](QDialog& created) {
            QTest::keyClicks(created.findChild<QLineEdit*>(u"Edit1"_s), u"notes"_s);
            QTest::mouseClick(created.findChild<QPushButton*>(u"OKBtn"_s), Qt::LeftButton);
        });
        EXPECT_EQ(lines(), (QStringList{u"dl"_s, u"Music"_s, u"pics"_s}));
        click("Button2");
    });
    EXPECT_TRUE(prompts.allAnswered());
}

TEST_F(BrowseDirDialogTest, ADirectoryRemovedWhileShownGivesWayToItsParent) {
    fs::create_directories(temp.file("dl/pics/2024"));
    const auto chosen = browse([&] {
        doubleClick(u"pics"_s);
        doubleClick(u"2024"_s);
        fs::remove(temp.file("dl/pics/2024"));
        // Seen by the browser as it happens.
        EXPECT_TRUE(QTest::qWaitFor([&] { return lines().join(u' ') == u"dl pics"; }));
        EXPECT_EQ(dialog->currentDirectory(), temp.file("dl/pics"));
        // Gone before the browser heard of it: OK does not return it.
        fs::remove(temp.file("dl/pics"));
        click("Button1");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->currentDirectory(), temp.file("dl"));
        click("Button1");
    });
    EXPECT_EQ(chosen, temp.file("dl"));
}

TEST_F(BrowseDirDialogTest, ChoosingAVolumeShowsItsLastDirectory) {
    browse([&] {
        drives()->setFocus();
        QTest::keyClick(drives(), Qt::Key_Down);
        EXPECT_EQ(dialog->currentDirectory(), temp.file("dl/pics"));
        QTest::keyClick(drives(), Qt::Key_Up);
        EXPECT_EQ(dialog->currentDirectory(), temp.file("dl"));
        QTest::keyClick(drives(), Qt::Key_Up);
        EXPECT_EQ(dialog->currentDirectory(), "/");
        EXPECT_EQ(list()->currentIndex().row(), 0);
        click("Button2");
    });
}

} // namespace
} // namespace harvex2::ui
