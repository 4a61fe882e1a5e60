#pragma once

#include "ui/shell/TargetOptionsGroup.h"

class QLineEdit;

namespace harvex2::ui {

// The "aria2" group: where aria2's JSON-RPC interface listens and the token it asks for.
class Aria2Group : public TargetOptionsGroup {
    Q_OBJECT
public:
    explicit Aria2Group(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings) override;
    void confirm(core::SettingsRecord& settings) const override;

private:
    QLineEdit* url_;
    QLineEdit* secret_;
};

} // namespace harvex2::ui
