#pragma once

#include <memory>

class QWidget;

namespace harvex2::ui {

struct AppServices;

// The start-up factories of the sequence windows. The Add Sequential Files dialog works
// with the Adding window made before it.
std::unique_ptr<QWidget> makeSequentialDialog(AppServices& services);
std::unique_ptr<QWidget> makeSettingsListDialog(AppServices& services);
std::unique_ptr<QWidget> makeSaveProfileDialog(AppServices& services);

} // namespace harvex2::ui
