#include "ui/handoff/AddLinksController.h"

#include "ui/handoff/AddingWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"

namespace harvex2::ui {

AddLinksController::AddLinksController(AppServices& services, MainWindow& mainWindow,
                                       AddingWindow& adding)
    : QObject(&adding), baseUrl_(*mainWindow.baseUrlBox()), directory_(*mainWindow.directoryBox()),
      lock_(mainWindow),
      command_({*services.links, *services.settings, *services.statusBar, *services.prompts,
                *services.userStore, baseUrl_, directory_, adding}),
      driver_(this) {
    command_.setRunningChanged([this](bool running) { lock_.setLocked(running); });
}

void AddLinksController::addSelected() {
    if (auto run = command_.addSelected()) {
        driver_.start(std::move(run), {});
    }
}

void AddLinksController::endNow() {
    command_.endNow();
}

} // namespace harvex2::ui
