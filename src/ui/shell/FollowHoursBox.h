#pragma once

#include "core/shell/SettingsRecord.h"

#include <QWidget>

class QSpinBox;

namespace harvex2::ui {

// "Follow downloads for N h", on the Add Options page: how long the window asks aria2 how
// the downloads of a hand-off went.
class FollowHoursBox : public QWidget {
    Q_OBJECT
public:
    explicit FollowHoursBox(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    QSpinBox* hours_;
};

} // namespace harvex2::ui
