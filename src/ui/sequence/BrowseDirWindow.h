#pragma once

#include <memory>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The start-up factory of the directory browser, over this machine's folders.
std::unique_ptr<QWidget> makeBrowseDirDialog(AppServices& services);

} // namespace harvex2::ui
