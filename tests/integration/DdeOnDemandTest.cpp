#include "core/handoff/AddingPass.h"
#include "platform/CommandWords.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SocketDdeClient.h"
#include "support/core/FakeAddingWindow.h"
#include "support/core/FakeAutomation.h"
#include "support/core/FakeEventPump.h"
#include "support/core/FakeJsonRpc.h"
#include "support/core/NetVampireInstall.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/SpawningShell.h"
#include "support/core/TempFolder.h"

#include <filesystem>

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
    settings.mode = 2;
    settings.nvdde = true;
    ScriptedPrompts prompts;
    FakeEventPump events;
    core::AddingPassContext context{rows,   window,    settings,    prompts,
                                    events, userStore, machineStore};
    FakeJsonRpc jsonRpc;
    core::AddingPass pass(userStore, machineStore, dde, automation, jsonRpc);
    pass.run(context);

    EXPECT_EQ(shell.started, std::vector<std::string>{CommandWords::quote(application)});
    for (std::size_t r = 0; r < rows.count(); ++r) {
        EXPECT_EQ(rows.at(r).status, "Added");
    }
    EXPECT_EQ(settings.files, 3);
    EXPECT_EQ(window.closeRequests, std::vector<bool>{true});
}

} // namespace
} // namespace harvex2::test
