#pragma once

#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SocketAutomation.h"
#include "platform/posix/SocketDdeClient.h"
#include "platform/posix/SpawnLauncher.h"
#include "support/core/RecordingShell.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"
#include "support/ui/CountingStore.h"
#include "ui/platform/QtWindowThread.h"
#include "ui/shell/AppServices.h"

namespace harvex2::test {

// The seams a window needs, with real settings files in a folder of the test's own. The
// same folder outlives several main windows, so a test can restart the program.
class UiTestServices {
    // First, so that it exists before the stores that keep their files in it.
    TempFolder folder_;

public:
    UiTestServices();

    // A fresh set of services as main() would hand them to the start-up.
    ui::AppServices make();
    const std::string& folder() const { return folder_.path(); }
    std::string userFile() const { return folder_.file("user.reg"); }

    ScriptedPrompts prompts;
    RecordingShell shell;
    platform::FileRegistryStore userFileStore;
    platform::FileRegistryStore machineStore;
    CountingStore userStore{userFileStore};
    // The test's own folder stands for the runtime folder: servers of a test listen there.
    platform::SocketDdeClient dde{shell, folder_.path(), std::chrono::milliseconds(300)};
    platform::SocketAutomation automation{machineStore, shell, folder_.path(),
                                          std::chrono::seconds(2), std::chrono::milliseconds(500)};
    platform::CurlJsonRpcConnector jsonRpc;
    ui::QtWindowThread windowThread;
    // Where the windows made from now on keep their record of sent links; empty: none.
    std::string ledgerPath;
    platform::SpawnLauncher launcher;
};

} // namespace harvex2::test
