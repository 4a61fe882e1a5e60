#include "ExtractWindowsFixture.h"
#include "core/extract/LinkScanner.h"

#include <optional>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using platform::MessageButton;
using platform::MessageIcon;
using platform::StatusPanel;

constexpr const char* kImportKey = "\\Software\\Quillfern Software\\Harvex\\MRU\\Import";

class DropTest : public ExtractWindowsFixture {
protected:
    void SetUp() override {
        ExtractWindowsFixture::SetUp();
        window->hooks().openLinkList = [this](const std::optional<std::string>& path) {
            opened.push_back(path.value_or("(asked)"));
        };
    }
    std::string state() const { return services.statusBar->text(StatusPanel::State); }
    std::string detail() const { return services.statusBar->text(StatusPanel::Detail); }

    std::vector<std::string> opened;
};

TEST_F(DropTest, OneHtmlFileIsParsedAtOnceWithoutADialog) {
    services.links->append("before");
    const std::string path = page("Dropped Page.SHTML", R"(<a href="x.htm"><a href="y">)");
    EXPECT_TRUE(drop(files({path})));
    EXPECT_EQ(links(), (std::vector<std::string>{"before", "x.htm", "y"}));
    EXPECT_EQ(state(), "Parsed Dropped Page.SHTML");
    EXPECT_EQ(detail(), "Links extracted: 2");
    EXPECT_FALSE(parseHtml->isVisible());
    EXPECT_EQ(parseHtml->findChild<QPushButton*>(u"Button3"_s)->text(), u"Close"_s);
    EXPECT_FALSE(env.userFileStore.keyExists(kImportKey));
    EXPECT_TRUE(opened.empty());
}

TEST_F(DropTest, OneLinkListFileIsOpenedEachTimeItIsDropped) {
    const std::string path = page("saved.NVA", "not read here");
    EXPECT_TRUE(drop(files({path})));
    EXPECT_TRUE(drop(files({path})));
    EXPECT_EQ(opened, (std::vector<std::string>{path, path}));
    EXPECT_TRUE(links().empty());
}

TEST_F(DropTest, AnyOtherSingleFileIsRefused) {
    services.links->append("kept");
    services.statusBar->setText(StatusPanel::State, "as before");
    env.prompts.expectMessage(
        MessageIcon::Error, "Harvex2",
        "Cannot do anything with this file. Try drag-dropping a .htm[l] or .nva file.",
        {MessageButton::Ok}, MessageButton::Ok);
    EXPECT_TRUE(drop(files({page("notes.txt", R"(<a href="x">)")})));
    EXPECT_EQ(links(), std::vector<std::string>{"kept"});
    EXPECT_EQ(state(), "as before");
    EXPECT_TRUE(opened.empty());
}

TEST_F(DropTest, TwoFilesOfAnyKindAreParsedTogetherAsPages) {
    const std::string first = page("one.nva", R"(<a href="http://a/1">)");
    const std::string second = page("two.nva", R"(<a href="2">)");
    std::vector<QString> listed;
    script.then("TForm10", [&](QWidget& dialog) {
        auto* list = dialog.findChild<QListWidget*>(u"ListBox1"_s);
        for (int i = 0; i < list->count(); ++i) {
            listed.push_back(list->item(i)->text());
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"Button1"_s), Qt::LeftButton);
    });
    EXPECT_TRUE(drop(files({first, second})));
    EXPECT_TRUE(script.done());
    EXPECT_EQ(listed, (std::vector<QString>{QString::fromStdString(first),
                                            QString::fromStdString(second)}));
    EXPECT_EQ(links(), (std::vector<std::string>{"http://a/1", "http://2"}));
    EXPECT_TRUE(opened.empty());
    progress->hide();
}

TEST_F(DropTest, TheFileMenuPicksFilesForTheMultipleFileDialogEvenOne) {
    const std::string one = page("one.htm", R"(<a href="1">)");
    int setups = 0;
    const auto start = [&](QWidget& dialog) {
        ++setups;
        QTest::mouseClick(dialog.findChild<QPushButton*>(u"Button1"_s), Qt::LeftButton);
    };
    script.then("TForm10", start);
    env.prompts.expectOpenFiles({one});
    action("ParseMultipleFiles1")->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(links(), (std::vector<std::string>{"http://1"}));
    // Cancelling the file dialog changes nothing.
    env.prompts.expectOpenFiles({});
    action("ParseMultipleFiles1")->trigger();
    EXPECT_EQ(setups, 1);
    progress->hide();
}

TEST_F(DropTest, LinksFromABrowserAreAppendedUnchecked) {
    services.links->append("before");
    EXPECT_TRUE(
        drop({QUrl(u"http://example.com/a file.zip"_s), QUrl(u"mailto:someone@example.com"_s),
              QUrl(u"HTTPS://example.com/b?c=d"_s), QUrl(u"ftp://files.example.com/e.tar"_s)}));
    EXPECT_EQ(links(), (std::vector<std::string>{"before", "http://example.com/a%20file.zip",
                                                 "https://example.com/b?c=d",
                                                 "ftp://files.example.com/e.tar"}));
    EXPECT_EQ(state(), "Loaded");
    EXPECT_EQ(detail(), "Links extracted: 3");

    // Nothing a download manager could fetch: the window does not take the drag.
    EXPECT_FALSE(drop({QUrl(u"mailto:someone@example.com"_s), QUrl(u"javascript:void(0)"_s)}));
    // Local files keep their rules when links come with them.
    const std::string path = page("page.htm", R"(<a href="p">)");
    EXPECT_TRUE(drop({QUrl(u"http://example.com/ignored"_s),
                      QUrl::fromLocalFile(QString::fromStdString(path))}));
    EXPECT_EQ(links().back(), "p");
    EXPECT_EQ(links().size(), 5u);
}

// Drops once into a run, the first time the run lets events through.
class DropDuringRunPump : public platform::EventPump {
public:
    void processEvents() override {
        if (!std::exchange(dropped, true)) {
            dropLinks();
        }
    }
    std::function<void()> dropLinks;
    bool dropped = false;
};

TEST_F(DropTest, ADropDuringAParseWaitsUntilTheRunHasEnded) {
    // The program's dialog, letting events through at every read of the file.
    std::vector<ui::WindowEntry> entries = programEntries();
    for (ui::WindowEntry& entry : entries) {
        if (entry.slot == ui::WindowSlot::ParseHtml) {
            entry.factory = [](ui::AppServices& app) -> std::unique_ptr<QWidget> {
                return std::make_unique<ui::ParseHtmlDialog>(app, std::chrono::milliseconds(0),
                                                             app.mainWindow);
            };
        }
    }
    createWindows(entries);
    DropDuringRunPump pump;
    services.eventPump = &pump;
    pump.dropLinks = [this] { EXPECT_TRUE(drop({QUrl(u"http://dropped/"_s)})); };
    const std::string big(core::LinkScanner::kBufferSize + 1, ' ');
    const std::string path = page("big.htm", R"(<a href="early">)" + big + R"(<a href="late">)");

    // A run of a dropped file takes the waiting drop as soon as it has ended.
    EXPECT_TRUE(drop(files({path})));
    EXPECT_TRUE(pump.dropped);
    EXPECT_EQ(links(), (std::vector<std::string>{"early", "late", "http://dropped/"}));
    EXPECT_EQ(state(), "Loaded");

    // A run started in the dialog itself: the drop waits for the event after the run.
    services.links->clear();
    pump.dropped = false;
    parseHtml->findChild<QComboBox*>(u"Edit1"_s)->setEditText(QString::fromStdString(path));
    parseHtml->Button2Click();
    EXPECT_TRUE(pump.dropped);
    EXPECT_EQ(links(), (std::vector<std::string>{"early", "late"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(links(), (std::vector<std::string>{"early", "late", "http://dropped/"}));
}

} // namespace
} // namespace harvex2::test
