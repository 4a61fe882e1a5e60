#include "ui/sequence/BrowseDirWindow.h"

#include "platform/posix/PosixLocalFolders.h"
#include "ui/sequence/BrowseDirDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"

namespace harvex2::ui {

std::unique_ptr<QWidget> makeBrowseDirDialog(AppServices& services) {
    return std::make_unique<BrowseDirDialog>(
        *services.prompts, std::make_unique<platform::PosixLocalFolders>(), services.mainWindow);
}

} // namespace harvex2::ui
