#pragma once

#include "core/shell/SettingsRecord.h"

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace harvex2::ui {

// The "Parse Options" page: the extractor's ignore rules, the relative-directory choice
// that was never made to work, shown disabled, and how pages are read.
class ParseOptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit ParseOptionsTab(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    QWidget* buildIgnoreGroup();
    QWidget* buildRelativeGroup();
    QWidget* buildReadingGroup();

    QCheckBox* mailTo_;
    QCheckBox* query_;
    QCheckBox* bookmark_;
    QRadioButton* browserReading_;
    QRadioButton* quickScan_;
    QCheckBox* scriptLinks_;
    QCheckBox* mediaSources_;
    QCheckBox* resolveLinks_;
};

} // namespace harvex2::ui
