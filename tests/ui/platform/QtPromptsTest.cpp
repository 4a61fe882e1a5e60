#include "ui/platform/QtPrompts.h"

#include "ui/platform/TextBytes.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace harvex2::ui {
namespace {

using platform::MessageButton;
using platform::MessageIcon;

// Runs `answer` on the modal window as soon as it is up, the way a user would respond.
template <class Modal> void whenShown(std::function<void(Modal&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        answer(*modal);
    });
}

TEST(QtPromptsTest, MessageShowsTheRequestedBoxAndReturnsTheButtonPressed) {
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), u"No entry in Registry");
        EXPECT_EQ(box.text(), u"Find it? \u00e9");
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::No)->click();
    });
    QtPrompts prompts;
    EXPECT_EQ(prompts.message({MessageIcon::Error,
                               "No entry in Registry",
                               "Find it? \xc3\xa9",
                               {MessageButton::Yes, MessageButton::No}}),
              MessageButton::No);
}

TEST(QtPromptsTest, AButtonWithItsOwnWordsAnswersForItselfAndALongTextIsCut) {
    const std::pair<MessageButton, QString> cases[] = {
        {MessageButton::IgnoreAll, u"Ignore All"_s},
        {MessageButton::SkipRemainingErrors, u"Skip the remaining errors"_s},
    };
    for (const auto& [button, words] : cases) {
        SCOPED_TRACE(words.toStdString());
        whenShown<QMessageBox>([&words](QMessageBox& box) {
            EXPECT_EQ(box.text(), QString(kShownCharacters, u'x') + QChar(kElisionMark));
            const QList<QAbstractButton*> buttons = box.buttons();
            ASSERT_EQ(buttons.size(), 2);
            const auto own =
                std::find_if(buttons.begin(), buttons.end(),
                             [&words](QAbstractButton* b) { return b->text() == words; });
            ASSERT_NE(own, buttons.end());
            (*own)->click();
        });
        QtPrompts prompts;
        EXPECT_EQ(prompts.message({MessageIcon::Error,
                                   "Harvex2",
                                   std::string(65536, 'x'),
                                   {MessageButton::Cancel, button}}),
                  button);
    }
}

// Where the box of a message came up, relative to the middle of `owner`.
QPoint boxOffsetFrom(QtPrompts& prompts, const QWidget& owner) {
    QPoint offset;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        offset = box.frameGeometry().center() - owner.frameGeometry().center();
        box.button(QMessageBox::Ok)->click();
    });
    prompts.message({MessageIcon::Information, "Harvex2", "Done.", {MessageButton::Ok}});
    return offset;
}

class QtPromptsPlaceTest : public testing::Test {
protected:
    void SetUp() override {
        mainWindow.setGeometry(40, 30, 500, 400);
        prompts.setMainWindow(&mainWindow);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    }

    QWidget mainWindow;
    QtPrompts prompts;
};

TEST_F(QtPromptsPlaceTest, ABoxSitsOverTheModalWindowItBelongsTo) {
    QDialog dialog(&mainWindow);
    dialog.setGeometry(420, 300, 300, 200);
    dialog.setModal(true);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_LE(boxOffsetFrom(prompts, dialog).manhattanLength(), 2);
}

TEST_F(QtPromptsPlaceTest, WithNoWindowActiveABoxSitsOverTheMainWindow) {
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    EXPECT_LE(boxOffsetFrom(prompts, mainWindow).manhattanLength(), 2);
}

TEST_F(QtPromptsPlaceTest, AnAskedBoxIsWindowModalAndAnsweredFromTheLoopOnceItHasClosed) {
    std::optional<MessageButton> answer;
    bool boxOpenWhenAnswered = true;
    prompts.ask({MessageIcon::Error, "Harvex2", "Go on?", {MessageButton::Yes, MessageButton::No}},
                [&](MessageButton button) {
                    answer = button;
                    boxOpenWhenAnswered = QApplication::activeModalWidget() != nullptr;
                });
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->parentWidget(), &mainWindow);
    box->button(QMessageBox::No)->click();
    EXPECT_FALSE(answer);
    ASSERT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }));
    EXPECT_EQ(answer, MessageButton::No);
    EXPECT_FALSE(boxOpenWhenAnswered);
}

TEST_F(QtPromptsPlaceTest, AnAskedFolderIsTheOneChosenOrNothingWhenCancelled) {
    QTemporaryDir folder;
    for (const bool accepted : {true, false}) {
        SCOPED_TRACE(accepted);
        std::optional<std::optional<std::string>> chosen;
        prompts.askForFolder({"Select directory containing NetVampire", {}, 0, {}, {}},
                             [&chosen](std::optional<std::string> path) { chosen = path; });
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        if (accepted) {
            dialog->selectFile(folder.path());
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
        ASSERT_TRUE(QTest::qWaitFor([&chosen] { return chosen.has_value(); }));
        EXPECT_EQ(*chosen, accepted ? std::optional(toPathBytes(folder.path())) : std::nullopt);
    }
}

TEST(QtPromptsTest, OpenDialogOffersTheFiltersAndReturnsTheChosenFile) {
    QTemporaryDir folder;
    const QString chosen = folder.filePath(u"links.nva"_s);
    QFile file(chosen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), u"Load Harvex links list");
        // "*.*" shows every file, those without a dot in their name too.
        EXPECT_EQ(dialog.nameFilters(),
                  (QStringList{u"Harvex Files (*.nva)"_s, u"All files (*)"_s}));
        EXPECT_EQ(dialog.selectedNameFilter(), u"Harvex Files (*.nva)");
        EXPECT_EQ(dialog.defaultSuffix(), u"nva");
        dialog.selectFile(chosen);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    QtPrompts prompts;
    const auto path = prompts.openFile({"Load Harvex links list",
                                        {{"Harvex Files", "*.nva"}, {"All files", "*.*"}},
                                        0,
                                        folder.path().toStdString(),
                                        "nva"});
    EXPECT_EQ(path, chosen.toStdString());
}

TEST(QtPromptsTest, CancelledDialogReturnsNothing) {
    whenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    QtPrompts prompts;
    EXPECT_EQ(prompts.saveFile({"Save Links", {{"Text", "*.txt"}}, 3, {}, "txt"}), std::nullopt);
}

} // namespace
} // namespace harvex2::ui
