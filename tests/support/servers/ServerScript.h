#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace harvex2::test {

// What a test server does with one request.
struct ServerAnswer {
    enum Kind { Accept, Refuse, Silent, Close };
    Kind kind = Accept;
    // The refusal's reply, or the failure's text of an automation call.
    std::string text;

    static ServerAnswer refuse(std::string text) { return {Refuse, std::move(text)}; }
};

// The answers a test server gives, request by request (Accept once they have run out), and
// the requests it got; shared between the test and the server's thread.
class ServerScript {
public:
    void add(ServerAnswer answer);
    // The answer once the scripted ones have run out; Accept unless told.
    void setDefault(ServerAnswer answer);
    // Hears of every request as it arrives, on the server's thread.
    void setListener(std::function<void(const std::string&)> listener);
    ServerAnswer next(const std::string& request);
    std::vector<std::string> requests() const;

private:
    mutable std::mutex mutex_;
    std::deque<ServerAnswer> answers_;
    ServerAnswer default_;
    std::function<void(const std::string&)> listener_;
    std::vector<std::string> requests_;
};

} // namespace harvex2::test
