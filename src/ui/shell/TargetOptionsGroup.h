#pragma once

#include "core/shell/SettingsRecord.h"

#include <QGroupBox>

namespace harvex2::ui {

// The Add Options group of a target: the settings only that target reads. It is shown while
// one of the targets it serves is chosen.
class TargetOptionsGroup : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    virtual void fill(const core::SettingsRecord& settings) = 0;
    virtual void confirm(core::SettingsRecord& settings) const = 0;

signals:
    // For targets reached through a channel of their choice: one was chosen, and it
    // answers link by link or it does not.
    void channelChosen(bool answersPerLink);
};

} // namespace harvex2::ui
