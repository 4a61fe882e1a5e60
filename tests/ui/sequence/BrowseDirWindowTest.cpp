#include "support/ui/MainWindowFixture.h"
#include "ui/sequence/BrowseDirDialog.h"

#include <filesystem>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;

// The program's own browser behind the main window's "..." button.
class BrowseDirWindowTest : public MainWindowFixture {
protected:
    void SetUp() override {
        for (const ui::WindowEntry& entry : ui::WindowCatalog::programWindows()) {
            if (entry.slot == ui::WindowSlot::BrowseDir) {
                entries.push_back(entry);
            }
        }
        catalog = std::make_unique<ui::WindowCatalog>(entries);
        start();
        catalog->create(entries.at(0), services);
    }

    // Presses "..." and then `key` in the browser.
    void browseAndPress(Qt::Key key) {
        QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        QTest::mouseClick(child<QPushButton>("Button4"), Qt::LeftButton);
    }

    std::vector<ui::WindowEntry> entries;
};

TEST_F(BrowseDirWindowTest, TheDirectoryButtonFillsTheBoxOnlyOnOk) {
    auto* browser = qobject_cast<ui::BrowseDirDialog*>(catalog->window(ui::WindowSlot::BrowseDir));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->currentDirectory(), std::filesystem::current_path().string());

    window->directoryBox()->setEditText(u"/old"_s);
    browseAndPress(Qt::Key_Escape);
    EXPECT_EQ(window->directoryBox()->currentText(), u"/old");
    QTimer::singleShot(0, [] {
        auto* shown = QApplication::activeModalWidget();
        QTest::mouseClick(shown->findChild<QPushButton*>(u"Button1"_s), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>("Button4"), Qt::LeftButton);
    EXPECT_EQ(window->directoryBox()->currentText(),
              QString::fromStdString(browser->currentDirectory()));
}

} // namespace
} // namespace harvex2::test
