#pragma once

#include <memory>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The start-up factory of the Options dialog. Confirming it shows the target program in the
// main window's status bar and switches the hand-off windows to the target's pictures.
std::unique_ptr<QWidget> makeOptionsDialog(AppServices& services);

} // namespace harvex2::ui
