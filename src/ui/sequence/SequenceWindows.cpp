#include "ui/sequence/SequenceWindows.h"

#include "ui/sequence/SaveProfileDialog.h"
#include "ui/sequence/SequentialDialog.h"
#include "ui/sequence/SettingsListDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/WindowCatalog.h"

#include <stdexcept>

namespace harvex2::ui {

std::unique_ptr<QWidget> makeSequentialDialog(AppServices& services) {
    auto* adding =
        dynamic_cast<core::AddingWindowPort*>(services.windows->window(WindowSlot::Adding));
    if (!adding) {
        throw std::logic_error("the Adding window must be made before the sequence dialog");
    }
    return std::make_unique<SequentialDialog>(services, *adding, &RunDriver::Clock::now,
                                              services.mainWindow);
}

std::unique_ptr<QWidget> makeSettingsListDialog(AppServices& services) {
    return std::make_unique<SettingsListDialog>(services, services.mainWindow);
}

std::unique_ptr<QWidget> makeSaveProfileDialog(AppServices& services) {
    return std::make_unique<SaveProfileDialog>(services, services.mainWindow);
}

} // namespace harvex2::ui
