#include "ui/handoff/AddLinksController.h"

#include "core/ledger/LedgerKeeper.h"
#include "ui/handoff/AddingWindow.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"

namespace harvex2::ui {

AddLinksController::AddLinksController(AppServices& services, MainWindow& mainWindow,
                                       AddingWindow& adding)
    : QObject(&adding), baseUrl_(*mainWindow.baseUrlBox()), directory_(*mainWindow.directoryBox()),
      lock_(mainWindow), command_({*services.links, *services.settings, *services.statusBar,
                                   *services.prompts, *services.userStore, baseUrl_, directory_,
                                   adding, services.ledger ? &services.ledger->ledger() : nullptr}),
      ledger_(services.ledger), driver_(this) {
    command_.setRunningChanged([this](bool running) { lock_.setLocked(running); });
}

void AddLinksController::addSelected() {
    // What another copy of the program handed over meanwhile counts as sent too.
    if (ledger_ && !command_.running()) {
        ledger_->refresh();
    }
    command_.addSelected(
        [this](std::unique_ptr<core::SlicedRun> run, std::function<void()> finished) {
            driver_.start(std::move(run), std::move(finished));
        });
}

void AddLinksController::endNow() {
    command_.endNow();
}

} // namespace harvex2::ui
