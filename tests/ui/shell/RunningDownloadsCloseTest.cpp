#include "support/ui/MainWindowFixture.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using platform::MessageButton;
using platform::MessageIcon;

class RunningDownloadsCloseTest : public MainWindowFixture {
protected:
    // A download that would run for a minute.
    void startDownload() {
        env.launcher.add({{{"sleep", "60"},
                           {},
                           [this](const platform::ProcessEnd& end) { ends.push_back(end.kind); }}},
                         {});
    }
    void expectQuestion(MessageButton answer) {
        env.prompts.expectMessage(MessageIcon::Question, "Harvex2",
                                  "Downloads are still running.\r\nStop them and exit?",
                                  {MessageButton::Yes, MessageButton::No}, answer);
    }

    std::vector<platform::ProcessEnd::Kind> ends;
};

TEST_F(RunningDownloadsCloseTest, ClosingAsksFirstAndStopsThemOnlyWhenTold) {
    startDownload();
    bool closed = false;
    QObject::connect(window.get(), &ui::MainWindow::closed, [&closed] { closed = true; });
    expectQuestion(MessageButton::No);
    window->close();
    EXPECT_FALSE(closed);
    EXPECT_EQ(env.launcher.pending(), 1u);

    expectQuestion(MessageButton::Yes);
    window->close();
    EXPECT_TRUE(closed);
    EXPECT_EQ(ends, std::vector{platform::ProcessEnd::Kind::Stopped});
}

TEST_F(RunningDownloadsCloseTest, ExitStopsThemWithoutAsking) {
    startDownload();
    window->exitProgram();
    EXPECT_EQ(ends, std::vector{platform::ProcessEnd::Kind::Stopped});
}

} // namespace
} // namespace harvex2::test
