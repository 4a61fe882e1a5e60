#include "platform/posix/SocketDdeConversation.h"

#include <algorithm>

namespace harvex2::platform {

SocketDdeConversation::SocketDdeConversation(FrameSocket socket, std::chrono::milliseconds timeout)
    : socket_(std::move(socket)), timeout_(timeout) {
    socket_.setWake(&wake_);
}

void SocketDdeConversation::interrupt() {
    interrupted_ = true;
    wake_.wake();
}

std::optional<std::string> SocketDdeConversation::request(const std::string& item) {
    if (interrupted_) {
        return std::nullopt;
    }
    const auto deadline = FrameSocket::Clock::now() + timeout_;
    if (!socket_.send('R', item, deadline)) {
        return std::nullopt;
    }
    auto reply = socket_.receive(kReplyBuffer, deadline);
    if (!reply || reply->type != 'D') {
        // A server that speaks something else cannot be trusted with the next request.
        if (reply && reply->type != 'N') {
            socket_.close();
        }
        return std::nullopt;
    }
    std::string& text = reply->payload;
    text.resize(std::min(text.size(), text.find('\0')));
    return std::move(text);
}

} // namespace harvex2::platform
