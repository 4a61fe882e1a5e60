#include "ui/extract/ExtractWindows.h"

#include "ui/extract/BaseUrlPrompt.h"
#include "ui/extract/DropHandler.h"
#include "ui/extract/MultipleProgressWindow.h"
#include "ui/extract/MultipleSetupDialog.h"
#include "ui/extract/ParseHtmlDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"
#include "ui/shell/WindowCatalog.h"

#include <QPointer>

namespace harvex2::ui {

namespace {

template <class Window> Window& created(AppServices& services, WindowSlot slot) {
    return *qobject_cast<Window*>(services.windows->window(slot));
}

void takeOverDrops(AppServices& services, MultipleSetupDialog& setup) {
    QPointer handler =
        new DropHandler(services, created<ParseHtmlDialog>(services, WindowSlot::ParseHtml), setup);
    services.mainHooks->filesDropped = [handler](const std::vector<std::string>& paths) {
        if (handler) {
            handler->filesDropped(paths);
        }
    };
    services.mainHooks->linksDropped = [handler](const std::vector<std::string>& links) {
        if (handler) {
            handler->linksDropped(links);
        }
    };
    services.mainHooks->parseMultipleFiles = [handler, &services] {
        platform::FileDialogRequest request;
        request.filters = {{"HTML Files", "*.htm; *.html"}, {"All files", "*.*"}};
        const std::vector<std::string> paths = services.prompts->openFiles(request);
        if (handler && !paths.empty()) {
            handler->filesChosen(paths);
        }
    };
}

} // namespace

std::unique_ptr<QWidget> makeBaseUrlPrompt(AppServices&) {
    // Without a parent: it is centred on the desktop, not over a window.
    return std::make_unique<BaseUrlPrompt>();
}

std::unique_ptr<QWidget> makeParseHtmlDialog(AppServices& services) {
    return std::make_unique<ParseHtmlDialog>(services, ParseHtmlDialog::kRefreshInterval,
                                             services.mainWindow);
}

std::unique_ptr<QWidget> makeMultipleSetupDialog(AppServices& services) {
    auto dialog = std::make_unique<MultipleSetupDialog>(
        services, created<BaseUrlPrompt>(services, WindowSlot::BaseUrlPrompt), services.mainWindow);
    takeOverDrops(services, *dialog);
    return dialog;
}

std::unique_ptr<QWidget> makeMultipleProgressWindow(AppServices& services) {
    auto window = std::make_unique<MultipleProgressWindow>(
        MultipleProgressWindow::kHideDelay, services.developerMode, services.mainWindow);
    created<MultipleSetupDialog>(services, WindowSlot::MultipleSetup).setProgressWindow(*window);
    return window;
}

} // namespace harvex2::ui
