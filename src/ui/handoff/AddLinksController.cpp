#include "ui/handoff/AddLinksController.h"

#include "platform/ErrorBox.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"

#include <exception>

namespace harvex2::ui {

AddLinksController::AddLinksController(AppServices& services, MainWindow& mainWindow,
                                       AddingWindow& adding)
    : QObject(&adding), services_(services), baseUrl_(*mainWindow.baseUrlBox()),
      directory_(*mainWindow.directoryBox()), lock_(mainWindow),
      command_({*services.links, *services.settings, *services.statusBar, *services.prompts,
                *services.eventPump, *services.userStore, baseUrl_, directory_, adding}) {
    command_.setRunningChanged([this](bool running) { lock_.setLocked(running); });
}

void AddLinksController::addSelected() {
    try {
        command_.addSelected();
    } catch (const std::exception& failure) {
        // Writing a history can fail like any store write; the program goes on.
        platform::showErrorBox(*services_.prompts, failure.what());
    }
}

} // namespace harvex2::ui
