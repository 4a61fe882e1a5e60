#include "support/core/Aria2Daemon.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopbackHttpServer.h"
#include "support/core/ParseAtOnce.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/HandoffWindows.h"
#include "ui/handoff/WindowDownloads.h"

#include <filesystem>

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

constexpr ui::WindowEntry kHandoffWindows[] = {
    {ui::WindowSlot::Adding, "Adding ", ui::SplashLine::First, &ui::makeAddingWindow},
    {ui::WindowSlot::Connecting, "Connecting ", ui::SplashLine::First, &ui::makePleaseWaitWindow},
};

// The whole way from a saved web page to files on disk: the program parses the page, "Add
// a&ll" hands the links to a real aria2c, which fetches them from a web server on loopback.
class Aria2AddAllTest : public MainWindowFixture {
protected:
    void SetUp() override {
        catalog = std::make_unique<ui::WindowCatalog>(kHandoffWindows);
        start();
        for (const ui::WindowEntry& entry : catalog->entries()) {
            catalog->create(entry, services);
        }
        catalog->window(ui::WindowSlot::Adding)->findChild<QTimer*>(u"Timer1"_s)->setInterval(20);
        std::filesystem::create_directories(downloads);
        core::SettingsRecord& settings = window->settings();
        settings.mode = core::TargetProgram::Aria2;
        settings.tidyUp = 1;
        settings.aria2Url = aria2.url();
        settings.aria2Secret = Aria2Daemon::kSecret;
    }

    LoopbackHttpServer server{[](const HttpRequest& request) {
        return request.path.starts_with("/files/") ? HttpReply{200, "contents of " + request.path}
                                                   : HttpReply{404, {}};
    }};
    std::string downloads = env.folder() + "/down";
    Aria2Daemon aria2{env.folder()};
};

TEST_F(Aria2AddAllTest, ThePagesLinksArriveAndTheAddedOnesLeaveTheList) {
    const std::string page = env.folder() + "/page.html";
    TempFolder::write(page, "<a href=\"a.txt\">a</a><a href=\"sub/b.txt\">b</a>"
                            "<a href=\"mailto:x@y.org\">mail</a>");
    window->settings().ignoreMailTo = false;
    RecordingStatusBar statusBar;
    ASSERT_TRUE(parseAtOnce(page, window->settings(), window->links(), env.prompts, statusBar));
    ASSERT_EQ(window->links().count(), 3u);
    window->baseUrlBox()->setEditText(QString::fromStdString(server.address() + "/files/"));
    window->directoryBox()->setEditText(QString::fromStdString(downloads));
    // aria2 refuses the mail link, so the pass ends with the errors message.
    env.prompts.expectMessage(
        platform::MessageIcon::Error, "Harvex2",
        "There were errors while adding jobs\r\nPlease review and close the adding dialog.",
        {platform::MessageButton::Ok}, platform::MessageButton::Ok);
    auto* adding = static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, adding, [adding] {
        if (adding->isVisible() && !adding->passRunning() &&
            adding->rows().at(0).status != "Waiting") {
            adding->close();
        }
    });
    closer.start(20);
    clickAndFinish("Button2");

    EXPECT_EQ(adding->rows().at(0).status, "Added");
    EXPECT_EQ(adding->rows().at(1).status, "Added");
    EXPECT_EQ(adding->rows().at(2).status, "No URI to download.");
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/a.txt", "contents of /files/a.txt"));
    EXPECT_TRUE(Aria2Daemon::arrives(downloads + "/b.txt", "contents of /files/sub/b.txt"));
    ASSERT_EQ(window->links().count(), 1u);
    EXPECT_EQ(window->links().textAt(0), "mailto:x@y.org");
    EXPECT_EQ(window->settings().files, 2);
}

class Aria2SkipSentTest : public Aria2AddAllTest {
protected:
    void SetUp() override {
        env.ledgerPath = env.folder() + "/data/sent";
        Aria2AddAllTest::SetUp();
        // Nothing follows the downloads: the status bar keeps the Add's own text, and the
        // ledger only what was sent.
        services.downloads = nullptr;
        window->settings().tidyUp = 0;
        for (const char* name : {"a.txt", "b.txt"}) {
            window->links().append(server.address() + "/files/" + name);
        }
        window->directoryBox()->setEditText(QString::fromStdString(downloads));
    }
    std::string detail() const { return services.statusBar->text(platform::StatusPanel::Detail); }
};

TEST_F(Aria2SkipSentTest, ASecondAddLeavesOutWhatAria2TookAndNeitherCountsNorTidiesIt) {
    clickAndFinish("Button2");
    EXPECT_EQ(detail(), "Handed over 2 of 2 links to aria2");
    const std::string recorded = TempFolder::read(env.ledgerPath);
    EXPECT_NE(recorded.find("\tsent\taria2\t" + server.address() + "/files/a.txt\n"),
              std::string::npos)
        << recorded;
    EXPECT_NE(recorded.find("\tsent\taria2\t" + server.address() + "/files/b.txt\n"),
              std::string::npos)
        << recorded;

    window->settings().skipSent = true;
    window->settings().tidyUp = 1;
    clickAndFinish("Button2");
    auto* adding = static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    EXPECT_EQ(adding->rows().count(), 0u);
    ASSERT_EQ(adding->rows().shownCount(), 2u);
    EXPECT_EQ(adding->rows().shownAt(1).status, "Sent before");
    EXPECT_EQ(detail(), "Handed over 0 of 0 links to aria2, 2 sent before");
    EXPECT_EQ(TempFolder::read(env.ledgerPath), recorded);
    EXPECT_EQ(window->settings().files, 2);
    EXPECT_EQ(window->links().count(), 2u);
}

// After the Adding window has closed, the main window follows what aria2 took until each
// download has ended, and tells which one did not arrive.
TEST_F(Aria2AddAllTest, TheStatusBarNamesTheDownloadThatFailedAndItsEntrySaysWhy) {
    window->settings().tidyUp = 0;
    for (const char* path : {"/files/here.txt", "/docs/missing.pdf"}) {
        window->links().append(server.address() + path);
    }
    window->directoryBox()->setEditText(QString::fromStdString(downloads));
    services.downloads->setPace(20ms);
    clickAndFinish("Button2");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !services.downloads->following(); }, 30000));

    EXPECT_EQ(services.statusBar->text(platform::StatusPanel::Detail),
              "1 of 2 downloaded; 1 failed: " + downloads + "/missing.pdf (Resource not found)");
    const QAbstractItemModel& model = *child<QAbstractItemView>("CheckListBox1")->model();
    EXPECT_TRUE(
        model.index(0, 0)
            .data(Qt::ToolTipRole)
            .toString()
            .endsWith(QString::fromStdString("\nDownloaded to " + downloads + "/here.txt")));
    EXPECT_TRUE(model.index(1, 0)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .endsWith(u"\nFailed: Resource not found"_s));
}

} // namespace
} // namespace harvex2::test
