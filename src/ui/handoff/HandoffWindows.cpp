#include "ui/handoff/HandoffWindows.h"

#include "ui/handoff/AddLinksController.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/PleaseWaitWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindowHooks.h"
#include "ui/shell/WindowCatalog.h"

#include <QComboBox>
#include <QMainWindow>
#include <QPointer>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {

void takeOverAddCommand(AppServices& services, AddingWindow& adding) {
    auto* mainWindow = qobject_cast<QMainWindow*>(services.mainWindow);
    if (!mainWindow || !services.mainHooks) {
        return;
    }
    auto* baseUrl = mainWindow->findChild<QComboBox*>(u"txtBaseURL"_s);
    auto* directory = mainWindow->findChild<QComboBox*>(u"Edit2"_s);
    if (!baseUrl || !directory) {
        return;
    }
    QPointer controller =
        new AddLinksController(services, *mainWindow, *baseUrl, *directory, adding);
    services.mainHooks->addSelected = [controller] {
        if (controller) {
            controller->addSelected();
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
