#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "platform/EventPump.h"

namespace harvex2::bench {

// An Adding window that shows nothing: what a pass costs without painting.
struct QuietWindow : core::AddingWindowPort {
    core::AddingRows& rows() override { return rows_; }
    void run() override {}
    void setCaption(const std::string&) override {}
    void scrollToRow(std::size_t) override {}
    void setProgressRange(int) override {}
    void setProgressPosition(int) override {}
    void requestClose(bool) override {}
    void setPleaseWaitStatus(const std::string&) override {}
    void showPleaseWait() override {}
    void hidePleaseWait() override {}

    core::AddingRows rows_;
};

struct NoEvents : platform::EventPump {
    void processEvents() override {}
};

} // namespace harvex2::bench
