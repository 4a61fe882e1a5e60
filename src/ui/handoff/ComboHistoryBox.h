#pragma once

#include "core/handoff/HistoryBox.h"

class QComboBox;

namespace harvex2::ui {

// An editable drop-down box as the core sees it: its text and its list.
class ComboHistoryBox : public core::HistoryBox {
public:
    explicit ComboHistoryBox(QComboBox& box) : box_(box) {}

    std::string text() const override;
    std::vector<std::string> entries() const override;
    // The typed text stays as it is.
    void setEntries(const std::vector<std::string>& entries) override;

private:
    QComboBox& box_;
};

} // namespace harvex2::ui
