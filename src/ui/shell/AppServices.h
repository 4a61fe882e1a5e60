#pragma once

#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "platform/Automation.h"
#include "platform/DdeClient.h"
#include "platform/JsonRpcClient.h"
#include "platform/ProcessLauncher.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"
#include "platform/Shell.h"
#include "platform/StatusBar.h"
#include "platform/WindowThread.h"

#include <chrono>
#include <functional>
#include <string>

class QWidget;

namespace harvex2::core {
class LedgerKeeper;
}

namespace harvex2::ui {

class MainWindow;
class WindowCatalog;
class WindowDownloads;
struct MainWindowHooks;

// What the main window offers the program's other windows. Filled in once the main window
// exists; every long-lived window receives it when it is created.
struct AppServices {
    MainWindow* mainWindow = nullptr;
    core::LinkList* links = nullptr;
    core::SettingsRecord* settings = nullptr;
    platform::StatusBar* statusBar = nullptr;
    platform::Prompts* prompts = nullptr;
    platform::Shell* shell = nullptr;
    platform::RegistryStore* userStore = nullptr;
    platform::RegistryStore* machineStore = nullptr;
    // How the hand-off reaches Net Vampire's DDE service and ReGet's automation object.
    platform::DdeClient* dde = nullptr;
    platform::Automation* automation = nullptr;
    // How the hand-off reaches aria2.
    platform::JsonRpcConnector* jsonRpc = nullptr;
    // Where the command target's programs run.
    platform::ProcessLauncher* launcher = nullptr;
    // Where the hand-off's blocking calls hand their results back.
    platform::WindowThread* windowThread = nullptr;
    WindowCatalog* windows = nullptr;
    MainWindowHooks* mainHooks = nullptr;
    bool developerMode = false;
    // The running program's folder with a trailing separator (readme.txt lives there).
    std::string programFolder;
    // Where the list is kept for recovery after a crash; empty: it is not kept.
    std::string recoveryFolder;
    // The record of the links targets took; empty: none is kept. The main window reads it
    // and hands it out as `ledger`.
    std::string ledgerPath;
    core::LedgerKeeper* ledger = nullptr;
    // Follows what the hand-offs started; the main window makes it.
    WindowDownloads* downloads = nullptr;
    // Paces the runs the main window drives from its loop; tests step it so that a turn of
    // the loop does a known number of slices, however fast the machine is.
    std::function<std::chrono::steady_clock::time_point()> runClock =
        &std::chrono::steady_clock::now;
};

} // namespace harvex2::ui
