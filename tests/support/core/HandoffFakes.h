#pragma once

#include "core/handoff/HistoryBox.h"
#include "platform/StatusBar.h"

#include <array>
#include <string>
#include <vector>

namespace harvex2::test {

class RecordingStatusBar : public platform::StatusBar {
public:
    void setText(platform::StatusPanel panel, const std::string& text) override;
    std::string text(platform::StatusPanel panel) const override;

    // Every text the detail panel showed, in order.
    std::vector<std::string> detailHistory;

private:
    std::array<std::string, 3> panels_;
};

class FakeHistoryBox : public core::HistoryBox {
public:
    FakeHistoryBox(std::string text, std::vector<std::string> entries)
        : text_(std::move(text)), entries_(std::move(entries)) {}

    std::string text() const override { return text_; }
    std::vector<std::string> entries() const override { return entries_; }
    void setEntries(const std::vector<std::string>& entries) override { entries_ = entries; }

    void setText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
    std::vector<std::string> entries_;
};

} // namespace harvex2::test
