#pragma once

#include "core/shell/SettingsRecord.h"

#include <QGroupBox>

class QLineEdit;

namespace harvex2::ui {

// The "aria2" group: where aria2's JSON-RPC interface listens and the token it asks for.
class Aria2Group : public QGroupBox {
    Q_OBJECT
public:
    explicit Aria2Group(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    QLineEdit* url_;
    QLineEdit* secret_;
};

} // namespace harvex2::ui
