#include "support/core/NetVampireInstall.h"
#include "support/servers/ScriptedAutomationServer.h"
#include "support/servers/ScriptedDdeServer.h"
#include "support/ui/MainWindowFixture.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/HandoffWindows.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

constexpr ui::WindowEntry kHandoffWindows[] = {
    {ui::WindowSlot::Adding, "Adding ", ui::SplashLine::First, &ui::makeAddingWindow},
    {ui::WindowSlot::Connecting, "Connecting ", ui::SplashLine::First, &ui::makePleaseWaitWindow},
};

// The whole Add command against download managers that listen on real sockets in the
// test's own runtime folder.
class SocketChainTest : public MainWindowFixture {
protected:
    void SetUp() override {
        catalog = std::make_unique<ui::WindowCatalog>(kHandoffWindows);
        start();
        for (const ui::WindowEntry& entry : catalog->entries()) {
            catalog->create(entry, services);
        }
        adding()->findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(20);
        installNetVampire(env.machineStore, program);
    }

    ui::AddingWindow* adding() const {
        return static_cast<ui::AddingWindow*>(catalog->window(ui::WindowSlot::Adding));
    }

    // `count` checked links; the tidy-up removes the added ones.
    void addLinks(int count, std::int32_t mode, bool dde = true) {
        for (int i = 0; i < count; ++i) {
            window->links().append("http://a/" + std::to_string(i) + ".zip");
            window->links().setChecked(static_cast<std::size_t>(i), true);
        }
        window->settings().mode = core::TargetProgram{mode};
        window->settings().nvdde = dde;
        window->settings().tidyUp = 1;
        clickAndFinish("Button1");
    }

    // Closes the Adding window once its pass has ended with the window left open.
    void closeWhenPassEnds() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (adding()->isVisible() && !adding()->passRunning() &&
                adding()->rows().at(0).status != "Waiting") {
                leftOpen = true;
                adding()->close();
            }
        });
        poll_.start(5);
    }

    void expectTidyUpAborted() {
        env.prompts.expectMessage(MessageIcon::Information, "Harvex2",
                                  "The list tidy-up was aborted because a fatal error was "
                                  "detected while adding links",
                                  {MessageButton::Ok}, MessageButton::Ok);
    }

    const core::AddingRow& row(std::size_t r) const { return adding()->rows().at(r); }

    std::string program = env.folder() + "/Net Vampire";
    bool leftOpen = false;

private:
    QTimer poll_;
};

TEST_F(SocketChainTest, ThreeAcceptedLinksAreAddedAndTheWindowCloses) {
    ScriptedDdeServer server(env.folder());
    addLinks(3, 0);
    EXPECT_EQ(
        server.script.requests(),
        (std::vector<std::string>{"http://a/0.zip,,", "http://a/1.zip,,", "http://a/2.zip,,"}));
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(row(r).status, "Added");
    }
    EXPECT_EQ(window->settings().files, 3);
    EXPECT_FALSE(adding()->isVisible());
    EXPECT_EQ(window->links().count(), 0U);
}

TEST_F(SocketChainTest, RefusalsAreShownAndKeepTheirLinksListed) {
    for (const std::int32_t mode : {0, 2}) {
        window->links().clear();
        ScriptedDdeServer server(env.folder());
        for (const char* reply :
             {"Local file is in use", "Invalid URL", "Local file name Invalid", "Busy"}) {
            server.script.add(ServerAnswer::refuse(reply));
        }
        env.prompts.expectMessage(
            MessageIcon::Error, "Harvex2",
            "There were errors while adding jobs\r\nPlease review and close the adding dialog.",
            {MessageButton::Ok}, MessageButton::Ok);
        closeWhenPassEnds();
        addLinks(5, mode);
        const std::vector<std::string> expected =
            mode == 0
                ? std::vector<std::string>{"Failed - local file in use", "Failed - invalid URL",
                                           "Failed - invalid URL", "Adding"}
                : std::vector<std::string>{"Local file is in use", "Invalid URL",
                                           "Local file name Invalid", "Busy"};
        for (std::size_t r = 0; r < 4; ++r) {
            EXPECT_EQ(row(r).status, expected[r]) << "Mode " << mode;
            EXPECT_EQ(row(r).picture, RowPicture::Refused);
            EXPECT_EQ(row(r).indexFromMain(), std::to_string(32000 + r));
        }
        EXPECT_EQ(row(4).status, "Added");
        EXPECT_TRUE(leftOpen);
        EXPECT_EQ(window->links().count(), 4U);
    }
}

TEST_F(SocketChainTest, ASilentServerEndsThePassAndNothingIsTidied) {
    ScriptedDdeServer server(env.folder());
    server.script.add({});
    server.script.add({ServerAnswer::Silent, {}});
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", "Net Vampire is not responding",
                              {MessageButton::Ok}, MessageButton::Ok);
    expectTidyUpAborted();
    closeWhenPassEnds();
    addLinks(4, 0);
    EXPECT_EQ(row(0).status, "Added");
    EXPECT_EQ(row(1).status, "Failed, NV not responding.");
    EXPECT_EQ(row(1).indexFromMain(), "31999");
    EXPECT_EQ(row(2).status, "Waiting");
    EXPECT_EQ(row(3).status, "Waiting");
    EXPECT_TRUE(leftOpen);
    EXPECT_EQ(window->links().count(), 4U);
}

TEST_F(SocketChainTest, NoServerAndNoStartableProgramCannotConnect) {
    env.shell.onStart = [](const std::string&) { return false; };
    env.prompts.expectMessage(
        MessageIcon::Error, "Error",
        "Cannot Connect to NetVampire.\r\n\r\nMake sure you're using "
        "NetVampire 2.41 or higher.\r\nHarvex cannot work with NetVampire 2.4",
        {MessageButton::Ok}, MessageButton::Ok);
    expectTidyUpAborted();
    addLinks(2, 2);
    EXPECT_EQ(env.shell.started, std::vector<std::string>{"'" + program + "/vampire'"});
    EXPECT_EQ(row(0).indexFromMain(), "31999");
    EXPECT_EQ(row(0).status, "Waiting");
    EXPECT_FALSE(adding()->isVisible());
    EXPECT_EQ(window->links().count(), 2U);
}

TEST_F(SocketChainTest, ReGetGetsOneCallPerLinkInOrder) {
    ScriptedAutomationServer reGet(env.folder());
    addLinks(2, 1);
    EXPECT_EQ(reGet.script.requests(),
              (std::vector<std::string>{"Add Info=Added by Harvex\r\nURL=http://a/0.zip",
                                        "Add Info=Added by Harvex\r\nURL=http://a/1.zip"}));
    EXPECT_EQ(row(1).status, "Added");
    EXPECT_EQ(window->settings().files, 2);
    EXPECT_FALSE(adding()->isVisible());
}

TEST_F(SocketChainTest, AMissingReGetIsFatalAndAFailingCallStopsThere) {
    env.prompts.expectMessage(MessageIcon::Error, "Error",
                              "Could not find the ReGet class to initiate OLE Automation. ",
                              {MessageButton::Ok}, MessageButton::Ok);
    expectTidyUpAborted();
    addLinks(2, 1);
    EXPECT_EQ(row(0).indexFromMain(), "31999");
    EXPECT_EQ(window->links().count(), 2U);

    window->links().clear();
    ScriptedAutomationServer reGet(env.folder());
    reGet.script.add({});
    reGet.script.add(ServerAnswer::refuse("ReGet is closing"));
    env.prompts.expectMessage(MessageIcon::Error, "Harvex2", "ReGet is closing.",
                              {MessageButton::Ok}, MessageButton::Ok);
    expectTidyUpAborted();
    closeWhenPassEnds();
    addLinks(3, 1);
    EXPECT_EQ(row(0).status, "Added");
    EXPECT_EQ(row(1).status, "Failed - ReGet is closing");
    EXPECT_EQ(row(1).indexFromMain(), "31999");
    EXPECT_EQ(row(2).status, "Waiting");
    EXPECT_TRUE(leftOpen);
    // The failed row's fatal marker keeps every link listed.
    EXPECT_EQ(window->links().count(), 3U);
}

} // namespace
} // namespace harvex2::test
