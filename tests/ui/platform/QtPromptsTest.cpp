#include "ui/platform/QtPrompts.h"

#include <functional>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
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
