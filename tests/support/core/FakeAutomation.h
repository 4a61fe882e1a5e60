#pragma once

#include "platform/Automation.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace harvex2::test {

// Automation objects in the test's hands: records every call and fails the one numbered
// `failingCall` (from 0) with `failure`.
class FakeAutomation : public platform::Automation {
public:
    std::unique_ptr<platform::AutomationObject> create(const std::string& progId) override;

    bool registered = true;
    std::optional<std::size_t> failingCall;
    std::string failure;

    std::vector<std::string> created;
    std::vector<std::pair<std::string, std::string>> calls;
    int objectsAlive = 0;
};

} // namespace harvex2::test
