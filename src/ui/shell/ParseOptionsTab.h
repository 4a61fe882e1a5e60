#pragma once

#include "core/shell/SettingsRecord.h"

#include <QWidget>

class QCheckBox;

namespace harvex2::ui {

// The "Parse Options" page: the extractor's three ignore rules and the relative-directory
// choice that was never made to work, shown disabled.
class ParseOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit ParseOptionsTab(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    QWidget* buildIgnoreGroup();
    QWidget* buildRelativeGroup();

    QCheckBox* mailTo_;
    QCheckBox* query_;
    QCheckBox* bookmark_;
};

} // namespace harvex2::ui
