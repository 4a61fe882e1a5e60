#include "support/core/HandoffFakes.h"

namespace harvex2::test {

void RecordingStatusBar::setText(platform::StatusPanel panel, const std::string& text) {
    panels_[static_cast<std::size_t>(panel)] = text;
    if (panel == platform::StatusPanel::Detail) {
        detailHistory.push_back(text);
    }
}

std::string RecordingStatusBar::text(platform::StatusPanel panel) const {
    return panels_[static_cast<std::size_t>(panel)];
}

} // namespace harvex2::test
