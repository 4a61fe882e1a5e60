#pragma once

#include "ui/shell/TargetOptionsGroup.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace harvex2::ui {

// The "NetVampire" group: how links reach Net Vampire and how its jobs start.
class NetVampireGroup : public TargetOptionsGroup {
    Q_OBJECT
public:
    // The stored NVJobDefault of each "Jobs start as:" item. Net Vampire's own state codes
    // are its business; the number only has to read back as the item it was written for.
    static constexpr std::int32_t kStopped = 0;
    static constexpr std::int32_t kQueued = 2;
    static constexpr std::int32_t kFailed = 7;

    explicit NetVampireGroup(QWidget* parent = nullptr);

    // NVDDE, then NVJobDefault, then RealiFast.
    void fill(const core::SettingsRecord& settings) override;
    void confirm(core::SettingsRecord& settings) const override;

private:
    QWidget* buildUseLine();
    QWidget* buildJobStateLine();

    QRadioButton* jobFiles_;
    QRadioButton* dde_;
    QComboBox* jobState_;
    QCheckBox* realiFast_;
};

} // namespace harvex2::ui
