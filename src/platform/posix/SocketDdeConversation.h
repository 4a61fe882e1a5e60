#pragma once

#include "platform/DdeClient.h"
#include "platform/posix/FrameSocket.h"
#include "platform/posix/WakePipe.h"

#include <atomic>
#include <chrono>
#include <cstddef>

namespace harvex2::platform {

// One conversation on a connected socket: a request frame 'R' with the item, answered by
// 'D' with the data or 'N' when the server has none.
class SocketDdeConversation : public DdeConversation {
public:
    // The most reply bytes kept; the rest of a longer reply is read and dropped.
    static constexpr std::size_t kReplyBuffer = 65536;

    SocketDdeConversation(FrameSocket socket, std::chrono::milliseconds timeout);

    std::optional<std::string> request(const std::string& item) override;
    void interrupt() override;

private:
    WakePipe wake_;
    std::atomic<bool> interrupted_{false};
    FrameSocket socket_;
    std::chrono::milliseconds timeout_;
};

} // namespace harvex2::platform
