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
    waitForParses();
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
    waitForParses();
    EXPECT_EQ(links().back(), "p");
    EXPECT_EQ(links().size(), 5u);
}

// Drops that come while a dropped page is parsed wait for its end, so that nothing lands
// in the middle of its links; they are then taken in the order they came.
TEST_F(DropTest, ADropDuringAParseWaitsUntilTheRunHasEnded) {
    // Longer than the reader may run ahead of the list, so that the run outlasts the drops.
    const std::string spaces(12 * core::LinkScanner::kBufferSize, ' ');
    const std::string first =
        page("big.htm", R"(<a href="early">)" + spaces + R"(<a href="late">)");
    const std::string second = page("second.htm", R"(<a href="next">)");
    EXPECT_TRUE(drop(files({first})));
    ASSERT_TRUE(parseHtml->isRunning());
    EXPECT_TRUE(drop({QUrl(u"http://dropped/"_s)}));
    EXPECT_TRUE(drop(files({second})));
    EXPECT_EQ(links(), std::vector<std::string>{});
    waitForParses([this] { return links().size() == 4; });
    EXPECT_EQ(links(), (std::vector<std::string>{"early", "late", "http://dropped/", "next"}));
    EXPECT_EQ(state(), "Parsed second.htm");
}

} // namespace
} // namespace harvex2::test
