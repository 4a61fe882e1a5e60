#pragma once

#include "platform/EventPump.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/RecordingShell.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"
#include "support/ui/CountingStore.h"
#include "ui/shell/AppServices.h"

namespace harvex2::test {

class IdleEventPump : public platform::EventPump {
public:
    void processEvents() override {}
};

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
    IdleEventPump eventPump;
    platform::FileRegistryStore userFileStore;
    platform::FileRegistryStore machineStore;
    CountingStore userStore{userFileStore};
    platform::CurlJsonRpcConnector jsonRpc;
};

} // namespace harvex2::test
