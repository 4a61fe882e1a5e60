#pragma once

#include "core/handoff/AddCommand.h"
#include "ui/handoff/ComboHistoryBox.h"
#include "ui/handoff/MainCommandLock.h"
#include "ui/platform/RunDriver.h"

#include <QObject>

namespace harvex2::core {
class LedgerKeeper;
}

namespace harvex2::ui {

struct AppServices;
class AddingWindow;
class MainWindow;

// Runs "&Add selected" for the main window through the Adding window, and keeps the main
// window's commands refused while a run reads the link list.
class AddLinksController : public QObject {
    Q_OBJECT
public:
    AddLinksController(AppServices& services, MainWindow& mainWindow, AddingWindow& adding);

    void addSelected();
    bool running() const { return command_.running(); }
    // Ends a run at once, as when the program closes.
    void endNow();

private:
    ComboHistoryBox baseUrl_;
    ComboHistoryBox directory_;
    MainCommandLock lock_;
    core::AddCommand command_;
    core::LedgerKeeper* ledger_;
    RunDriver driver_;
};

} // namespace harvex2::ui
