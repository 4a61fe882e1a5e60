#pragma once

#include "platform/Automation.h"
#include "platform/DdeClient.h"

namespace harvex2::bench {

// No DDE server and no automation object answer: for the benches that time windows, not
// hand-offs.
struct UnreachableTargets : platform::DdeClient, platform::Automation {
    std::unique_ptr<platform::DdeConversation> connect(const std::string&, const std::string&,
                                                       const std::string&) override {
        return nullptr;
    }
    std::unique_ptr<platform::AutomationObject> create(const std::string&) override {
        throw platform::AutomationError("Class not registered");
    }
};

} // namespace harvex2::bench
