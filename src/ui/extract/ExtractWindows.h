#pragma once

#include <memory>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The start-up factory of the Parse HTML dialog.
std::unique_ptr<QWidget> makeParseHtmlDialog(AppServices& services);

} // namespace harvex2::ui
