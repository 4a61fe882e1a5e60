#pragma once

#include "ui/shell/TargetOptionsGroup.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace harvex2::ui {

// The "Command" group: the template each link's program is made from (a ready-made one for
// each known downloader on PATH, or the user's own), how many run at once and when one is
// stopped. A template that leaves a quote open is not taken: the group says why, and the
// last good one stays.
class CommandGroup : public TargetOptionsGroup {
    Q_OBJECT
public:
    explicit CommandGroup(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings) override;
    void confirm(core::SettingsRecord& settings) const override;

private:
    void check();

    QComboBox* template_;
    QLabel* problem_;
    QSpinBox* jobs_;
    QSpinBox* timeout_;
};

} // namespace harvex2::ui
