#include "ui/handoff/ComboHistoryBox.h"

#include "ui/platform/TextBytes.h"

#include <QComboBox>

namespace harvex2::ui {

std::string ComboHistoryBox::text() const {
    return toBytes(box_.currentText());
}

std::vector<std::string> ComboHistoryBox::entries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(box_.count()));
    for (int i = 0; i < box_.count(); ++i) {
        entries.push_back(toBytes(box_.itemText(i)));
    }
    return entries;
}

void ComboHistoryBox::setEntries(const std::vector<std::string>& entries) {
    const QString typed = box_.currentText();
    box_.clear();
    for (const std::string& entry : entries) {
        box_.addItem(fromBytes(entry));
    }
    box_.setCurrentIndex(-1);
    box_.setEditText(typed);
}

} // namespace harvex2::ui
