#pragma once

#include <memory>
#include <optional>
#include <string>

namespace harvex2::platform {

// One open conversation with a DDE server on one service and topic; ended when destroyed.
class DdeConversation {
public:
    virtual ~DdeConversation() = default;
    // Asks the server for `item` as plain text. The reply is cut at its first zero byte and
    // at the client's buffer; nullopt when the transaction fails, the server goes away or
    // the client's time-out passes first. A conversation that failed once stays failed.
    virtual std::optional<std::string> request(const std::string& item) = 0;
    // Fails the request in flight and every later one at once. Safe from any thread: a
    // request waits on a worker thread while the window's thread may give it up.
    virtual void interrupt() = 0;
};

// Opens DDE client conversations.
class DdeClient {
public:
    virtual ~DdeClient() = default;
    // Connects to the service on the topic. When nothing answers and `serviceApplication`
    // names a program, starts it without waiting and tries once more. Null when no
    // conversation could be opened.
    virtual std::unique_ptr<DdeConversation> connect(const std::string& service,
                                                     const std::string& topic,
                                                     const std::string& serviceApplication) = 0;
};

} // namespace harvex2::platform
