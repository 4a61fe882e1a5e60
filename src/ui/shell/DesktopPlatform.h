#pragma once

#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/SocketAutomation.h"
#include "platform/posix/SocketDdeClient.h"
#include "platform/posix/SpawnLauncher.h"
#include "ui/platform/QtPrompts.h"
#include "ui/platform/QtShell.h"
#include "ui/platform/QtWindowThread.h"
#include "ui/shell/AppServices.h"

namespace harvex2::ui {

// What the program reaches of this desktop: boxes, events, the shell, the two settings
// stores and the download managers' conversations, created once in the order they need
// each other. The program and the tools that show its windows start from the same set.
class DesktopPlatform {
public:
    DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    // The services with every platform part set; the rest is the start-up sequence's.
    AppServices services();
    QtPrompts& prompts() { return prompts_; }

private:
    QtPrompts prompts_;
    QtShell shell_;
    platform::FileRegistryStore userStore_;
    platform::FileRegistryStore machineStore_;
    platform::SocketDdeClient dde_;
    platform::SocketAutomation automation_;
    platform::CurlJsonRpcConnector jsonRpc_;
    QtWindowThread windowThread_;
    // After the window's thread: ending it stops the programs, whose ends post there.
    platform::SpawnLauncher launcher_;
};

} // namespace harvex2::ui
