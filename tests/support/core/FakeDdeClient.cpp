#include "support/core/FakeDdeClient.h"

#include <chrono>
#include <thread>

namespace harvex2::test {

namespace {

class FakeConversation : public platform::DdeConversation {
public:
    explicit FakeConversation(FakeDdeClient& client) : client_(client) {
        ++client_.conversationsOpen;
    }
    ~FakeConversation() override { --client_.conversationsOpen; }
    FakeConversation(const FakeConversation&) = delete;
    FakeConversation& operator=(const FakeConversation&) = delete;

    std::optional<std::string> request(const std::string& item) override {
        client_.requests.push_back(item);
        if (client_.requests.size() > client_.hangsFrom) {
            while (client_.interrupts == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return std::nullopt;
        }
        if (client_.replies.empty()) {
            return std::string();
        }
        auto reply = client_.replies.front();
        client_.replies.pop_front();
        return reply;
    }
    void interrupt() override { ++client_.interrupts; }

private:
    FakeDdeClient& client_;
};

} // namespace

std::unique_ptr<platform::DdeConversation> FakeDdeClient::connect(const std::string& serviceName,
                                                                  const std::string& topicName,
                                                                  const std::string& application) {
    service = serviceName;
    topic = topicName;
    serviceApplication = application;
    if (!answers) {
        return nullptr;
    }
    return std::make_unique<FakeConversation>(*this);
}

} // namespace harvex2::test
