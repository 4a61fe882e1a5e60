#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "platform/RegistryStore.h"

namespace harvex2::bench {

// An Adding window that shows nothing: what a pass costs without painting.
struct QuietWindow : core::AddingWindowPort {
    core::AddingRows& rows() override { return rows_; }
    void open(std::function<void()> closed) override {
        if (closed) {
            closed();
        }
    }
    void closeNow() override {}
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

// Refuses the store: the aria2 pass does not use it.
struct NoStore : platform::RegistryStore {
    bool openKey(const std::string&, bool) override { return false; }
    void closeKey() override {}
    bool keyExists(const std::string&) override { return false; }
    bool deleteKey(const std::string&) override { return false; }
    std::vector<std::string> subkeyNames() override { return {}; }
    std::vector<std::string> valueNames() override { return {}; }
    bool valueExists(const std::string&) override { return false; }
    bool deleteValue(const std::string&) override { return false; }
    std::int32_t readInteger(const std::string&) override { return 0; }
    std::string readString(const std::string&) override { return {}; }
    void writeInteger(const std::string&, std::int32_t) override {}
    void writeString(const std::string&, const std::string&) override {}
};

} // namespace harvex2::bench
