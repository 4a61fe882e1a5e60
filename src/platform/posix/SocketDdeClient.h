#pragma once

#include "platform/DdeClient.h"
#include "platform/posix/LocalEndpoint.h"

#include <chrono>
#include <string>

namespace harvex2::platform {

class Shell;

// DDE conversations over local sockets in the user's runtime folder: the server of a
// service and topic listens on the socket LocalEndpoint::ddeName() names there.
class SocketDdeClient : public DdeClient {
public:
    // How long a service application that was just started has to open its socket.
    static constexpr std::chrono::milliseconds kStartWait{5000};
    // How long a request waits for its reply.
    static constexpr std::chrono::milliseconds kRequestTimeout{10000};

    explicit SocketDdeClient(
        Shell& shell, std::string runtimeFolder = LocalEndpoint::runtimeFolderFromEnvironment(),
        std::chrono::milliseconds requestTimeout = kRequestTimeout,
        std::chrono::milliseconds startWait = kStartWait);

    std::unique_ptr<DdeConversation> connect(const std::string& service, const std::string& topic,
                                             const std::string& serviceApplication) override;

private:
    Shell& shell_;
    std::string runtimeFolder_;
    std::chrono::milliseconds requestTimeout_;
    std::chrono::milliseconds startWait_;
};

} // namespace harvex2::platform
