#include "ui/shell/OptionsFactory.h"

#include "ui/handoff/AddingWindow.h"
#include "ui/handoff/PleaseWaitWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainStatusBar.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/OptionsDialog.h"
#include "ui/shell/WindowCatalog.h"

namespace harvex2::ui {

namespace {

// The hand-off windows are looked up when needed: the Please-wait window is created after
// the Options dialog.
template <class Window>
void showTarget(const AppServices& services, WindowSlot slot, core::TargetProgram mode) {
    if (!services.windows) {
        return;
    }
    if (auto* window = qobject_cast<Window*>(services.windows->window(slot))) {
        window->showTarget(mode);
    }
}

void followTarget(const AppServices& services, core::TargetProgram mode) {
    if (auto* mainWindow = services.mainWindow) {
        mainWindow->showTarget(mode);
    }
    showTarget<AddingWindow>(services, WindowSlot::Adding, mode);
    showTarget<PleaseWaitWindow>(services, WindowSlot::Connecting, mode);
}

} // namespace

std::unique_ptr<QWidget> makeOptionsDialog(AppServices& services) {
    auto dialog = std::make_unique<OptionsDialog>(
        *services.settings, [&services](core::TargetProgram mode) { followTarget(services, mode); },
        services.mainWindow);
    dialog->showDeveloperMode(services.developerMode);
    if (MainWindow* mainWindow = services.mainWindow) {
        QObject::connect(dialog.get(), &OptionsDialog::confirmed, mainWindow,
                         &MainWindow::saveChoices);
    }
    return dialog;
}

} // namespace harvex2::ui
