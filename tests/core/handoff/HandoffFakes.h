#pragma once

#include "core/handoff/AddingRun.h"
#include "core/handoff/AddingWindowPort.h"
#include "core/handoff/HistoryBox.h"
#include "platform/EventPump.h"
#include "platform/StatusBar.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace harvex2::test {

// Records what a pass did to the Adding window and its Please-wait window.
class FakeAddingWindow : public core::AddingWindowPort {
public:
    void setCaption(const std::string& text) override { caption = text; }
    void scrollToRow(std::size_t row) override { scrolled.push_back(row); }
    void setProgressRange(int maximum) override { progressMaximum = maximum; }
    void setProgressPosition(int position) override { progressPosition = position; }
    void requestClose(bool ok) override { closeRequests.push_back(ok); }
    void setPleaseWaitStatus(const std::string& status) override {
        pleaseWaitStatuses.push_back(status);
    }
    void showPleaseWait() override { pleaseWaitShown = true; }
    void hidePleaseWait() override { pleaseWaitShown = false; }

    std::string caption = "Harvex";
    std::vector<std::size_t> scrolled;
    int progressMaximum = 0;
    int progressPosition = 0;
    std::vector<bool> closeRequests;
    std::vector<std::string> pleaseWaitStatuses;
    bool pleaseWaitShown = false;
};

class RecordingStatusBar : public platform::StatusBar {
public:
    void setText(platform::StatusPanel panel, const std::string& text) override;
    std::string text(platform::StatusPanel panel) const override;

    // Every text the detail panel showed, in order.
    std::vector<std::string> detailHistory;

private:
    std::array<std::string, 3> panels_;
};

class CountingEventPump : public platform::EventPump {
public:
    void processEvents() override;

    int calls = 0;
    std::function<void()> onProcess;
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

// The Adding window as the Add command sees it; `pass` stands for what the window's pass
// does to the rows while it is shown.
class FakeAddingRun : public core::AddingRun {
public:
    core::AddingRows& rows() override { return rows_; }
    void run() override;

    int runs = 0;
    std::function<void(core::AddingRows&)> pass;

private:
    core::AddingRows rows_;
};

} // namespace harvex2::test
