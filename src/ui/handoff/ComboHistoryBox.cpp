#include "ui/handoff/ComboHistoryBox.h"

#include "ui/platform/ShownBytes.h"

#include <QComboBox>

namespace harvex2::ui {

std::string ComboHistoryBox::text() const {
    return ShownBytes::read(box_);
}

std::vector<std::string> ComboHistoryBox::entries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(box_.count()));
    for (int i = 0; i < box_.count(); ++i) {
        entries.push_back(ShownBytes::item(box_, i));
    }
    return entries;
}

void ComboHistoryBox::setEntries(const std::vector<std::string>& entries) {
    const std::string typed = ShownBytes::read(box_);
    box_.clear();
    for (const std::string& entry : entries) {
        ShownBytes::addItem(box_, entry);
    }
    box_.setCurrentIndex(-1);
    ShownBytes::show(box_, typed);
}

} // namespace harvex2::ui
