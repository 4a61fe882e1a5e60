#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SocketAutomation.h"
#include "support/core/RecordingShell.h"
#include "support/core/TempFolder.h"
#include "support/servers/ScriptedAutomationServer.h"

#include <memory>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace std::chrono_literals;
using platform::AutomationError;

class AutomationOverSocketsTest : public ::testing::Test {
protected:
    void registerServer(const std::string& command) {
        ASSERT_TRUE(
            machineStore.openKey(platform::SocketAutomation::serverKey("ReGet.UrlList.1"), true));
        machineStore.writeString("", command);
        machineStore.closeKey();
    }

    std::string failureOf(const std::function<void()>& work) {
        try {
            work();
        } catch (const AutomationError& failure) {
            return failure.what();
        }
        return "(no failure)";
    }

    TempFolder folder;
    TempFolder runtime;
    platform::FileRegistryStore machineStore{platform::Hive::LocalMachine,
                                             folder.file("machine.reg")};
    RecordingShell shell;
    platform::SocketAutomation automation{machineStore, shell, runtime.path(), 2s, 500ms};
};

TEST_F(AutomationOverSocketsTest, CallsReachTheObjectInOrderAndFailuresKeepTheirText) {
    ScriptedAutomationServer server(runtime.path());
    server.script.add({});
    server.script.add(ServerAnswer::refuse("Download queue is full"));
    auto object = automation.create("ReGet.UrlList.1");
    object->call("Add", "Info=x\r\nURL=u1");
    EXPECT_EQ(failureOf([&] { object->call("Add", "URL=u2"); }), "Download queue is full");
    EXPECT_EQ(server.script.requests(),
              (std::vector<std::string>{"Add Info=x\r\nURL=u1", "Add URL=u2"}));
    EXPECT_EQ(server.objectsMade(), 1);
}

TEST_F(AutomationOverSocketsTest, ASilentOrVanishingServerFailsTheCall) {
    for (const auto kind : {ServerAnswer::Silent, ServerAnswer::Close}) {
        ScriptedAutomationServer server(runtime.path());
        server.script.add({kind, {}});
        auto object = automation.create("ReGet.UrlList.1");
        EXPECT_EQ(failureOf([&] { object->call("Add", "u"); }),
                  "The automation server did not answer.");
    }
}

TEST_F(AutomationOverSocketsTest, AnObjectTheServerWillNotMakeIsNotCreated) {
    ScriptedAutomationServer server(runtime.path());
    server.creationFailure = "Not licensed";
    EXPECT_EQ(failureOf([&] { automation.create("ReGet.UrlList.1"); }), "Not licensed");
}

TEST_F(AutomationOverSocketsTest, TheRegisteredServerIsStartedWhenNothingListens) {
    EXPECT_EQ(failureOf([&] { automation.create("ReGet.UrlList.1"); }), "Class not registered");
    EXPECT_TRUE(shell.started.empty());

    registerServer("/opt/reget/reget --automation");
    std::unique_ptr<ScriptedAutomationServer> started;
    shell.onStart = [&](const std::string&) {
        started = std::make_unique<ScriptedAutomationServer>(runtime.path());
        return true;
    };
    auto object = automation.create("ReGet.UrlList.1");
    EXPECT_EQ(shell.started, std::vector<std::string>{"/opt/reget/reget --automation"});
    object->call("Add", "u");
    EXPECT_EQ(started->script.requests(), std::vector<std::string>{"Add u"});
}

TEST_F(AutomationOverSocketsTest, AServerThatNeverComesUpFailsTheCreation) {
    registerServer("/opt/reget/reget");
    shell.onStart = [](const std::string&) { return true; };
    platform::SocketAutomation quick{machineStore, shell, runtime.path(), 100ms, 500ms};
    EXPECT_EQ(failureOf([&] { quick.create("ReGet.UrlList.1"); }), "Server execution failed");
}

} // namespace
} // namespace harvex2::test
