#include "ui/extract/ExtractWindows.h"

#include "ui/extract/ParseHtmlDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"

namespace harvex2::ui {

std::unique_ptr<QWidget> makeParseHtmlDialog(AppServices& services) {
    return std::make_unique<ParseHtmlDialog>(services, ParseHtmlDialog::kRefreshInterval,
                                             services.mainWindow);
}

} // namespace harvex2::ui
