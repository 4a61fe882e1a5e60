#pragma once

#include "core/handoff/AddingWindowPort.h"

#include <functional>
#include <string>
#include <vector>

namespace harvex2::test {

// Records what a command and a pass did to the Adding window and its Please-wait window;
// `pass` stands for what the window's pass does to the rows while it is shown.
class FakeAddingWindow : public core::AddingWindowPort {
public:
    core::AddingRows& rows() override { return rows_; }
    // Runs `pass` and closes at once.
    void open(std::function<void()> closed) override;
    void closeNow() override { ++closedNow; }
    void setCaption(const std::string& text) override { caption = text; }
    void scrollToRow(std::size_t row) override {
        scrolled.push_back(row);
        if (onScroll) {
            onScroll(row);
        }
    }
    void setProgressRange(int maximum) override { progressMaximum = maximum; }
    void setProgressPosition(int position) override { progressPosition = position; }
    void requestClose(bool ok) override { closeRequests.push_back(ok); }
    void setPleaseWaitStatus(const std::string& status) override {
        pleaseWaitStatuses.push_back(status);
    }
    void showPleaseWait() override { pleaseWaitShown = true; }
    void hidePleaseWait() override { pleaseWaitShown = false; }

    int runs = 0;
    int closedNow = 0;
    std::function<void(core::AddingRows&)> pass;
    // Runs as a pass brings a row into view, before it hands the row over.
    std::function<void(std::size_t)> onScroll;
    std::string caption = "Harvex";
    std::vector<std::size_t> scrolled;
    int progressMaximum = 0;
    int progressPosition = 0;
    std::vector<bool> closeRequests;
    std::vector<std::string> pleaseWaitStatuses;
    bool pleaseWaitShown = false;

private:
    core::AddingRows rows_;
};

} // namespace harvex2::test
