#pragma once

#include "core/shell/SettingsRecord.h"

#include <array>

#include <QGroupBox>

class QLineEdit;
class QRadioButton;

namespace harvex2::ui {

// The "Names" group: the mask that names each file handed over and the referrer sent with it.
class NamesGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr const char* kGroup = "GroupBoxNames";
    static constexpr const char* kMask = "txtNameMask";
    // In the order of Referrer::Kind: none, the page, a fixed text.
    static constexpr std::array<const char*, 3> kReferrers = {"radNoReferrer", "radPageReferrer",
                                                              "radFixedReferrer"};
    static constexpr const char* kFixedReferrer = "txtReferrer";

    explicit NamesGroup(QWidget* parent = nullptr);

    void fill(const core::SettingsRecord& settings);
    void confirm(core::SettingsRecord& settings) const;

private:
    QLineEdit* mask_;
    std::array<QRadioButton*, 3> referrers_{};
    QLineEdit* fixed_;
};

} // namespace harvex2::ui
