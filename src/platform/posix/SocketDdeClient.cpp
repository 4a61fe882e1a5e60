#include "platform/posix/SocketDdeClient.h"

#include "platform/CommandWords.h"
#include "platform/Shell.h"
#include "platform/posix/SocketDdeConversation.h"

namespace harvex2::platform {

SocketDdeClient::SocketDdeClient(Shell& shell, std::string runtimeFolder,
                                 std::chrono::milliseconds requestTimeout,
                                 std::chrono::milliseconds startWait)
    : shell_(shell), runtimeFolder_(std::move(runtimeFolder)), requestTimeout_(requestTimeout),
      startWait_(startWait) {}

std::unique_ptr<DdeConversation> SocketDdeClient::connect(const std::string& service,
                                                          const std::string& topic,
                                                          const std::string& serviceApplication) {
    const std::string path =
        LocalEndpoint::path(runtimeFolder_, LocalEndpoint::ddeName(service, topic));
    FrameSocket socket = FrameSocket::connectOrStart(
        path,
        [&] {
            return !serviceApplication.empty() &&
                   shell_.startCommand(CommandWords::quote(serviceApplication));
        },
        startWait_);
    if (!socket.valid()) {
        return nullptr;
    }
    return std::make_unique<SocketDdeConversation>(std::move(socket), requestTimeout_);
}

} // namespace harvex2::platform
