#include "core/handoff/AddingPass.h"
#include "platform/CommandWords.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/FrameSocket.h"
#include "platform/posix/LocalEndpoint.h"
#include "platform/posix/SocketDdeClient.h"
#include "support/core/ChildProcess.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeAutomation.h"
#include "support/core/FakeJsonRpc.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/NetVampireInstall.h"
#include "support/core/PassRun.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/SpawningShell.h"
#include "support/core/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

namespace fs = std::filesystem;
using platform::CommandWords;

// Net Vampire not running: the pass starts the program beside the recorded executable,
// here the demo server, and hands it every row once it listens.
TEST(DdeOnDemand, AServerStartedFromTheServiceApplicationGetsEveryRow) {
    TempFolder folder;
    TempFolder runtime;
    const std::string program = folder.path() + "/Net Vampire";
    platform::FileRegistryStore userStore{platform::Hive::CurrentUser, folder.file("user.reg")};
    platform::FileRegistryStore machineStore{platform::Hive::LocalMachine,
                                             folder.file("machine.reg")};
    installNetVampire(machineStore, program);
    const std::string application = program + "/vampire";
    TempFolder::write(application,
                      "#!/bin/sh\nexec " + CommandWords::quote(HARVEX2_DEMO_SERVER_BINARY) +
                          " --folder " + CommandWords::quote(runtime.path()) + " --quit-after 3\n");
    fs::permissions(application, fs::perms::owner_all);

    SpawningShell shell;
    platform::SocketDdeClient dde(shell, runtime.path());
    FakeAutomation automation;
    core::AddingRows rows;
    for (int i = 0; i < 3; ++i) {
        rows.append("http://h/" + std::to_string(i), "", static_cast<std::size_t>(i));
    }
    FakeAddingWindow window;
    core::SettingsRecord settings;
    settings.mode = core::TargetProgram::NetVampire3;
    settings.nvdde = true;
    ScriptedPrompts prompts;
    LoopWindowThread windowThread;
    core::AddingPassContext context{rows,         window,    settings,    prompts,
                                    windowThread, userStore, machineStore};
    FakeJsonRpc jsonRpc;
    core::AddingPass pass(userStore, machineStore, dde, automation, jsonRpc);
    runToEnd(pass, context, windowThread);

    EXPECT_EQ(shell.started, std::vector<std::string>{CommandWords::quote(application)});
    for (std::size_t r = 0; r < rows.count(); ++r) {
        EXPECT_EQ(rows.at(r).status, "Added");
    }
    EXPECT_EQ(settings.files, 3);
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
}

TEST(DemoServer, ServesClientsTogetherAndPrintsControlBytesEscaped) {
    using namespace std::chrono_literals;
    using platform::FrameSocket;
    TempFolder runtime;
    TempFolder folder;
    const std::string printed = folder.file("printed");
    ChildProcess server([&] {
        const int out = ::open(printed.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, STDOUT_FILENO);
        ::execl(HARVEX2_DEMO_SERVER_BINARY, HARVEX2_DEMO_SERVER_BINARY, "--folder",
                runtime.path().c_str(), "--quit-after", "2", nullptr);
        ::_exit(127);
    });
    const std::string path = platform::LocalEndpoint::path(
        runtime.path(), platform::LocalEndpoint::ddeName("VAMPIRE", "WWW_OpenURL"));
    // Generous: a sanitized server starting on a loaded machine can take seconds to listen.
    const auto deadline = FrameSocket::Clock::now() + 60s;
    FrameSocket first = FrameSocket::connectBefore(path, deadline);
    FrameSocket second = FrameSocket::connectTo(path);
    ASSERT_TRUE(first.valid() && second.valid());
    // The second client is served while the first stays connected and silent.
    for (FrameSocket* client : {&second, &first}) {
        ASSERT_TRUE(client->send('R', client == &second ? "http://h/\x1b[2J\xc2\x9b,," : "h\\,,",
                                 deadline));
        const auto reply = client->receive(64, deadline);
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->type, 'D');
    }
    EXPECT_EQ(server.wait(60s), 0);
    const std::string output = TempFolder::read(printed);
    EXPECT_NE(output.find("DDE VAMPIRE: http://h/\\x1b[2J\\xc2\\x9b,,\n"), std::string::npos)
        << output;
    EXPECT_NE(output.find("DDE VAMPIRE: h\\\\,,\n"), std::string::npos) << output;
}

} // namespace
} // namespace harvex2::test
