#include "ui/handoff/HandoffWindows.h"

#include "ui/handoff/AddLinksController.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/PleaseWaitWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"
#include "ui/shell/WindowCatalog.h"

#include <QPointer>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {

void takeOverAddCommand(AppServices& services, AddingWindow& adding) {
    // Windows made without the main window (in tests of one window) have no command to
    // take over.
    if (!services.mainWindow) {
        return;
    }
    QPointer controller = new AddLinksController(services, *services.mainWindow, adding);
    MainWindowHooks& hooks = services.mainWindow->hooks();
    hooks.addSelected = [controller] {
        if (controller) {
            controller->addSelected();
        }
    };
    hooks.handOffRunning = [controller] { return controller && controller->running(); };
    hooks.endHandOff = [controller] {
        if (controller) {
            controller->endNow();
        }
    };
}

} // namespace

std::unique_ptr<QWidget> makeAddingWindow(AppServices& services) {
    auto window =
        std::make_unique<AddingWindow>(services, AddingWindow::kStartDelay, services.mainWindow);
    takeOverAddCommand(services, *window);
    return window;
}

std::unique_ptr<QWidget> makePleaseWaitWindow(AppServices& services) {
    auto window = std::make_unique<PleaseWaitWindow>(services.settings->mode, services.mainWindow);
    if (services.windows) {
        if (auto* adding =
                qobject_cast<AddingWindow*>(services.windows->window(WindowSlot::Adding))) {
            adding->setPleaseWait(window.get());
        }
    }
    return window;
}

} // namespace harvex2::ui
