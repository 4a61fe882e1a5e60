#include "support/core/Aria2Daemon.h"
#include "support/core/HandoffFakes.h"
#include "support/core/LoopbackHttpServer.h"
#include "support/core/ParseAtOnce.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/HandoffWindows.h"

#include <filesystem>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace Qt::StringLiterals;

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

} // namespace
} // namespace harvex2::test
