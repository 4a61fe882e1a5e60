#pragma once

#include "core/shell/SettingsRecord.h"

#include <QWidget>

class QCheckBox;

namespace harvex2::ui {

// The "General" page: the main window's remembered place and the sequence dialog's closing.
class GeneralOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit GeneralOptionsTab(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    QCheckBox* remember_;
    QCheckBox* closeSequence_;
};

} // namespace harvex2::ui
