#pragma once

#include <memory>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The start-up factories of the hand-off windows. The Adding window takes over the main
// window's Add command; the Please-wait window joins the Adding window made before it.
std::unique_ptr<QWidget> makeAddingWindow(AppServices& services);
std::unique_ptr<QWidget> makePleaseWaitWindow(AppServices& services);

} // namespace harvex2::ui
