#pragma once

#include "platform/DdeClient.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::test {

// A DDE server in the test's hands: answers each request with the next scripted reply
// (nullopt for none; an empty reply once the script has run out) and records what it got.
class FakeDdeClient : public platform::DdeClient {
public:
    std::unique_ptr<platform::DdeConversation>
    connect(const std::string& service, const std::string& topic,
            const std::string& serviceApplication) override;

    bool answers = true;
    std::deque<std::optional<std::string>> replies;
    // From this request on (counted from 0), a request waits until it is interrupted.
    std::size_t hangsFrom = SIZE_MAX;
    std::atomic<int> interrupts{0};

    std::string service;
    std::string topic;
    std::string serviceApplication;
    std::vector<std::string> requests;
    int conversationsOpen = 0;
};

} // namespace harvex2::test
