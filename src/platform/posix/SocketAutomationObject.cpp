#include "platform/posix/SocketAutomationObject.h"

namespace harvex2::platform {

SocketAutomationObject::SocketAutomationObject(FrameSocket socket,
                                               std::chrono::milliseconds callTimeout)
    : socket_(std::move(socket)), callTimeout_(callTimeout) {
    socket_.setWake(&wake_);
}

void SocketAutomationObject::interrupt() {
    interrupted_ = true;
    wake_.wake();
}

void SocketAutomationObject::bind(const std::string& progId) {
    exchange('C', progId);
}

void SocketAutomationObject::call(const std::string& method, const std::string& argument) {
    exchange('M', method + '\0' + argument);
}

void SocketAutomationObject::exchange(char type, const std::string& payload) {
    const auto deadline = FrameSocket::Clock::now() + callTimeout_;
    if (interrupted_ || !socket_.send(type, payload, deadline)) {
        throw AutomationError("The automation server is unavailable.");
    }
    const auto reply = socket_.receive(kReplyBuffer, deadline);
    if (!reply) {
        throw AutomationError("The automation server did not answer.");
    }
    if (reply->type == 'E') {
        throw AutomationError(reply->payload.empty() ? "The automation server reported a failure."
                                                     : reply->payload);
    }
    if (reply->type != 'O') {
        socket_.close();
        throw AutomationError("The automation server gave an answer it should not have.");
    }
}

} // namespace harvex2::platform
