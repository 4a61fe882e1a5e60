#pragma once

#include "core/shell/CommandLine.h"
#include "ui/shell/WindowCatalog.h"

#include <memory>

namespace harvex2::ui {

struct AppServices;
class MainWindow;
class ListRecovery;
class SplashWindow;

// The program's start: the splash window, the main window and then every other window in
// their fixed order, the link list file named on the command line, and the main window
// shown. No event loop runs until it has finished.
class StartupSequence {
public:
    // `services` brings the platform seams and the settings stores and must outlive the
    // sequence; the main window fills in the rest of it.
    StartupSequence(AppServices& services, core::CommandLine commandLine,
                    std::span<const WindowEntry> windows = WindowCatalog::programWindows());
    ~StartupSequence();

    // The program-wide title and the font that the windows' design coordinates were made
    // for. Runs first in createWindows().
    static void initialiseApplication();

    // Everything up to the command-line file; the splash window is still shown.
    void createWindows();
    // Destroys the splash window, shows the main window and tells what the settings stores
    // could not do during the start.
    void finish();

    MainWindow& mainWindow() const { return *mainWindow_; }
    SplashWindow* splash() const { return splash_.get(); }
    // Null when the services name no recovery folder.
    ListRecovery* recovery() const { return recovery_; }
    WindowCatalog& windows() { return catalog_; }

private:
    void createWindow(const WindowEntry& entry);
    void tellStoreNotices();
    void startRecovery();

    AppServices& services_;
    core::CommandLine commandLine_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<MainWindow> mainWindow_;
    // Declared after the main window so that its windows, which may be the main window's
    // children, are deleted first.
    WindowCatalog catalog_;
    SplashLine currentLine_ = SplashLine::None;
    ListRecovery* recovery_ = nullptr; // the main window's child
};

} // namespace harvex2::ui
