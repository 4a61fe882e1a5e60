#pragma once

#include <memory>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The start-up factories of the link extraction windows.
std::unique_ptr<QWidget> makeBaseUrlPrompt(AppServices& services);
std::unique_ptr<QWidget> makeParseHtmlDialog(AppServices& services);
// Also takes over the files and links dropped on the main window.
std::unique_ptr<QWidget> makeMultipleSetupDialog(AppServices& services);
std::unique_ptr<QWidget> makeMultipleProgressWindow(AppServices& services);

} // namespace harvex2::ui
