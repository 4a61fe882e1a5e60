#pragma once

#include "platform/Automation.h"
#include "platform/posix/FrameSocket.h"
#include "platform/posix/WakePipe.h"

#include <atomic>
#include <chrono>
#include <cstddef>

namespace harvex2::platform {

// An automation object on a connected socket. 'C' with the ProgID makes the object, 'M' with
// the method name, a zero byte and the argument calls it; the server answers 'O' when done
// or 'E' with its failure's text. Closing the socket releases the object.
class SocketAutomationObject : public AutomationObject {
public:
    // The most bytes of a failure's text kept.
    static constexpr std::size_t kReplyBuffer = 65536;

    SocketAutomationObject(FrameSocket socket, std::chrono::milliseconds callTimeout);

    // Asks the server for the object; throws AutomationError when it cannot make it.
    void bind(const std::string& progId);
    void call(const std::string& method, const std::string& argument) override;
    void interrupt() override;

private:
    void exchange(char type, const std::string& payload);

    WakePipe wake_;
    std::atomic<bool> interrupted_{false};
    FrameSocket socket_;
    std::chrono::milliseconds callTimeout_;
};

} // namespace harvex2::platform
