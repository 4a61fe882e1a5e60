#pragma once

#include "core/shell/SettingsRecord.h"

#include <QCheckBox>

namespace harvex2::ui {

// "Leave out links already sent to this target", on the Add Options page.
class SkipSentBox : public QCheckBox {
    Q_OBJECT
public:
    explicit SkipSentBox(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings) { setChecked(settings.skipSent); }
    void confirm(core::SettingsRecord& settings) const { settings.skipSent = isChecked(); }
};

} // namespace harvex2::ui
