#pragma once

#include "core/shell/SettingsRecord.h"

#include <string>

#include <QWidget>

class QComboBox;

namespace harvex2::ui {

// "Routes", on the Add Options page: none, or the rules preset whose routes share an Add
// among targets.
class RoutesBox : public QWidget {
    Q_OBJECT
public:
    explicit RoutesBox(QWidget* parent = nullptr);

    // Lists the user's presets as they are now; a chosen one that is gone stays listed.
    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    void addPreset(const std::string& name);

    QComboBox* choice_;
};

} // namespace harvex2::ui
