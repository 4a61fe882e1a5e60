#include "ui/extract/ParseHtmlDialog.h"

#include "core/extract/LinkScanner.h"
#include "support/ui/MainWindowFixture.h"

#include <utility>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;
using platform::StatusPanel;

constexpr const char* kImportKey = "\\Software\\Quillfern Software\\Harvex\\MRU\\Import";

class ParseHtmlDialogTest : public MainWindowFixture {
protected:
    void SetUp() override {
        // The program's own entry, so that the test also sees the dialog registered.
        for (const ui::WindowEntry& entry : ui::WindowCatalog::programWindows()) {
            if (entry.slot == ui::WindowSlot::ParseHtml) {
                entries.push_back(entry);
            }
        }
        catalog = std::make_unique<ui::WindowCatalog>(entries);
        start();
        catalog->create(entries.at(0), services);
        dialog = qobject_cast<ui::ParseHtmlDialog*>(catalog->window(ui::WindowSlot::ParseHtml));
        ASSERT_NE(dialog, nullptr);
    }

    template <class T> T* control(const char* name) const {
        T* found = dialog->findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* source() const { return control<QComboBox>("Edit1"); }
    QString text(const char* name) const {
        if (auto* button = dialog->findChild<QPushButton*>(QLatin1StringView(name))) {
            return button->text();
        }
        return control<QLabel>(name)->text();
    }
    std::vector<QString> counters() const {
        return {text("Label4"), text("Label5"), text("Label7")};
    }
    std::vector<QString> history() const {
        std::vector<QString> items;
        for (int i = 0; i < source()->count(); ++i) {
            items.push_back(source()->itemText(i));
        }
        return items;
    }
    std::vector<std::string> storedHistory() {
        std::vector<std::string> stored;
        EXPECT_TRUE(env.userFileStore.openKey(kImportKey, false));
        const int size = env.userFileStore.readInteger("MRUSize");
        for (int i = 1; i <= size; ++i) {
            stored.push_back(env.userFileStore.readString(std::to_string(i)));
        }
        env.userFileStore.closeKey();
        return stored;
    }
    std::vector<std::string> links() const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < services.links->count(); ++i) {
            texts.emplace_back(services.links->textAt(i));
        }
        return texts;
    }
    std::string page(const std::string& name, const std::string& html) const {
        const std::string path = env.folder() + "/" + name;
        TempFolder::write(path, html);
        return path;
    }
    void process(const std::string& path) {
        source()->setEditText(QString::fromStdString(path));
        QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
        waitForRun();
    }
    void waitForRun() {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog->isRunning(); }, 10'000));
    }
    // Longer than the reader may run ahead of the list, so that a run is still going after
    // its first turns of the event loop.
    std::string longPage(const std::string& name) const {
        const std::string spaces(12 * core::LinkScanner::kBufferSize, ' ');
        return page(name, R"(<a href="x">)" + spaces + R"(<a href="y">)");
    }

    std::vector<ui::WindowEntry> entries;
    ui::ParseHtmlDialog* dialog = nullptr;
};

TEST_F(ParseHtmlDialogTest, LooksAsDesigned) {
    EXPECT_EQ(dialog->objectName(), u"TForm2"_s);
    EXPECT_EQ(dialog->windowTitle(), u"Parse HTML file"_s);
    EXPECT_EQ(dialog->size(), QSize(311, 231));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(source()->isEditable());
    EXPECT_EQ(control<QGroupBox>("GroupBox1")->title(), u"Details"_s);
    const std::pair<const char*, QString> texts[] = {
        {"Label1", u"HTML Source:"_s},
        {"Button1", u"..."_s},
        {"Button2", u"&Process"_s},
        {"Label2", u"Characters:"_s},
        {"Label3", u"Links found:"_s},
        {"Label6", u"Links ignored:"_s},
        {"Label4", u"0"_s},
        {"Label5", u"0"_s},
        {"Label7", u"0"_s},
        {"Button3", u"Cancel"_s},
    };
    for (const auto& [name, expected] : texts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(text(name), expected) << name;
    }
    EXPECT_TRUE(control<QPushButton>("Button2")->isDefault());
}

TEST_F(ParseHtmlDialogTest, TheFileMenuOpensItAndEscapeClosesIt) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = QApplication::activeModalWidget() == dialog;
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    action("Parsehtml1")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ParseHtmlDialogTest, ProcessAppendsTheLinksAndReports) {
    services.links->append("before");
    const std::string path = page("page.htm", R"(<a href="a.htm"><a href="#b"><A HREF="c">)");
    process(path);
    EXPECT_EQ(links(), (std::vector<std::string>{"before", "a.htm", "c"}));
    EXPECT_EQ(counters(), (std::vector<QString>{u"41"_s, u"2"_s, u"1"_s}));
    EXPECT_EQ(services.statusBar->text(StatusPanel::State), "Parsed page.htm");
    EXPECT_EQ(services.statusBar->text(StatusPanel::Detail), "Links extracted: 2");
    EXPECT_EQ(text("Button3"), u"Close"_s);
    EXPECT_EQ(storedHistory(), std::vector<std::string>{path});
    for (const char* name : {"Edit1", "Button1", "Button2", "Button3"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(control<QWidget>(name)->isEnabled()) << name;
    }
}

TEST_F(ParseHtmlDialogTest, TheControlsAreDisabledWhileItRuns) {
    source()->setEditText(QString::fromStdString(longPage("p.htm")));
    dialog->onProcessClicked();
    ASSERT_TRUE(dialog->isRunning());
    for (const char* name : {"Edit1", "Button1", "Button2", "Button3"}) {
        EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
    }
    waitForRun();
    for (const char* name : {"Edit1", "Button1", "Button2", "Button3"}) {
        EXPECT_TRUE(control<QWidget>(name)->isEnabled()) << name;
    }
}

// As when the program exits during a dropped file's run: the run ends with the dialog.
TEST_F(ParseHtmlDialogTest, ADialogGoneDuringItsRunTakesTheRunWithIt) {
    auto watched = std::make_unique<ui::ParseHtmlDialog>(services);
    watched->parseDroppedFile(longPage("long.htm"));
    ASSERT_TRUE(watched->isRunning());
    watched.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(links().size() <= 1);
}

// Escape or the close box stop the dialog's own run; what was read stays.
TEST_F(ParseHtmlDialogTest, ClosingDuringItsRunCancelsItAndThenCloses) {
    const std::string path = longPage("long.htm");
    QTimer::singleShot(0, [&] {
        source()->setEditText(QString::fromStdString(path));
        dialog->onProcessClicked();
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
    });
    dialog->exec();
    EXPECT_FALSE(dialog->isRunning());
    EXPECT_EQ(services.statusBar->text(StatusPanel::State), "Stopped long.htm");
    EXPECT_EQ(QString::number(links().size()), text("Label5"));
    EXPECT_EQ(text("Button3"), u"Cancel"_s);
    EXPECT_EQ(storedHistory(), std::vector<std::string>{path});
}

TEST_F(ParseHtmlDialogTest, AFileThatCannotBeOpenedStillGoesIntoTheHistory) {
    const std::string missing = env.folder() + "/missing.htm";
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2",
                              "Error opening the HTML source file\n" + missing + ": File not found",
                              {MessageButton::Ok}, MessageButton::Ok);
    process(missing);
    EXPECT_TRUE(links().empty());
    EXPECT_EQ(text("Button3"), u"Cancel"_s);
    EXPECT_TRUE(control<QWidget>("Button2")->isEnabled());
    EXPECT_EQ(storedHistory(), std::vector<std::string>{missing});
}

TEST_F(ParseHtmlDialogTest, FiveRunsKeepTheLastFourNewestFirst) {
    std::vector<std::string> paths;
    for (int i = 1; i <= 5; ++i) {
        paths.push_back(page("p" + std::to_string(i) + ".htm", R"(<a href="x">)"));
        process(paths.back());
    }
    const std::vector<std::string> expected{paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(storedHistory(), expected);
    std::vector<QString> shown;
    for (const std::string& path : expected) {
        shown.push_back(QString::fromStdString(path));
    }
    EXPECT_EQ(history(), shown);
    EXPECT_EQ(source()->currentText(), QString::fromStdString(paths[4]));
}

TEST_F(ParseHtmlDialogTest, TheSameFileTwiceGivesItsLinksTwice) {
    const std::string path = page("twice.html", R"(<a href="x"><a href="y">)");
    process(path);
    process(path);
    EXPECT_EQ(links(), (std::vector<std::string>{"x", "y", "x", "y"}));
    EXPECT_EQ(storedHistory(), (std::vector<std::string>{path, path}));
}

TEST_F(ParseHtmlDialogTest, EnterInTheSourceBoxRuns) {
    dialog->show();
    source()->setEditText(QString::fromStdString(page("enter.htm", R"(<a href="e">)")));
    QTest::keyClick(source()->lineEdit(), Qt::Key_Return);
    waitForRun();
    EXPECT_EQ(links(), std::vector<std::string>{"e"});
    EXPECT_EQ(source()->count(), 1);
    dialog->hide();
}

TEST_F(ParseHtmlDialogTest, ShowingResetsTheCountersAndReloadsTheHistory) {
    process(page("one.htm", R"(<a href="1">)"));
    ASSERT_EQ(text("Label5"), u"1"_s);
    const QString typed = source()->currentText();
    env.userFileStore.openKey(kImportKey, true);
    env.userFileStore.writeString("1", "elsewhere.htm");
    env.userFileStore.closeKey();

    dialog->show();
    EXPECT_EQ(counters(), (std::vector<QString>{u"0"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(history(), std::vector<QString>{u"elsewhere.htm"_s});
    EXPECT_EQ(source()->currentText(), typed);
    EXPECT_EQ(text("Button3"), u"Close"_s);
    dialog->hide();
}

TEST_F(ParseHtmlDialogTest, BrowsePutsTheChosenFileIntoTheSourceBox) {
    source()->setEditText(u"typed.htm"_s);
    env.prompts.expectDialog(std::nullopt);
    env.prompts.expectDialog("/chosen/page.html");
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(source()->currentText(), u"typed.htm"_s);
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(source()->currentText(), u"/chosen/page.html"_s);

    const auto& filters = env.prompts.dialogsShown().at(0).filters;
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].description, "HTML Files");
    EXPECT_EQ(filters[0].patterns, "*.htm; *.html");
    EXPECT_EQ(filters[1].description, "All files");
    EXPECT_EQ(filters[1].patterns, "*.*");
    EXPECT_TRUE(links().empty());
}

TEST_F(ParseHtmlDialogTest, ADroppedFileIsParsedWithoutTouchingTheHistory) {
    dialog->parseDroppedFile(page("dropped.html", R"(<a href="d">)"));
    waitForRun();
    EXPECT_EQ(links(), std::vector<std::string>{"d"});
    EXPECT_EQ(text("Button3"), u"Close"_s);
    EXPECT_EQ(text("Label5"), u"1"_s);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(env.userFileStore.keyExists(kImportKey));
}

// A dropped file's run leaves the main window's menu open; the dialog then shows the run
// and closes without stopping it.
TEST_F(ParseHtmlDialogTest, OpenedDuringADroppedFilesRunItClosesAndTheRunGoesOn) {
    dialog->parseDroppedFile(longPage("big.html"));
    bool disabled = false;
    QTimer::singleShot(0, [&] {
        disabled = !control<QWidget>("Button2")->isEnabled();
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    action("Parsehtml1")->trigger();
    EXPECT_TRUE(disabled);
    EXPECT_FALSE(dialog->isVisible());
    waitForRun();
    EXPECT_EQ(services.statusBar->text(StatusPanel::State), "Parsed big.html");
}

// A file name that is not UTF-8, as older systems wrote them: its history entry names
// the same file after the next start.
TEST_F(ParseHtmlDialogTest, AHistoryEntryThatIsNotUtf8StillNamesItsFile) {
    const std::string path = page("caf\xE9.htm", R"(<a href="x">)");
    env.userFileStore.openKey(kImportKey, true);
    env.userFileStore.writeInteger("MRUSize", 1);
    env.userFileStore.writeString("1", path);
    env.userFileStore.closeKey();
    dialog->show();
    ASSERT_EQ(source()->count(), 1);
    EXPECT_TRUE(source()->itemText(0).endsWith(u"/caf\u00E9.htm"_s));
    QTest::keyClick(source(), Qt::Key_Down);
    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    waitForRun();
    EXPECT_EQ(links(), std::vector<std::string>{"x"});
    EXPECT_EQ(storedHistory(), (std::vector<std::string>{path, path}));
    dialog->hide();
}

} // namespace
} // namespace harvex2::test
