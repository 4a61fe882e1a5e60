#pragma once

#include "platform/Automation.h"
#include "platform/posix/LocalEndpoint.h"

#include <chrono>
#include <string>

namespace harvex2::platform {

class RegistryStore;
class Shell;

// Automation objects served over local sockets in the user's runtime folder, one socket per
// ProgID. When nothing listens, the server command registered for the ProgID in the
// local-machine hive is started, as object activation starts a local server.
class SocketAutomation : public Automation {
public:
    static constexpr std::chrono::milliseconds kActivationWait{5000};
    // A call may wait for the user of the server (a question it asks), but never for ever.
    static constexpr std::chrono::milliseconds kCallTimeout{120000};

    SocketAutomation(RegistryStore& machineStore, Shell& shell,
                     std::string runtimeFolder = LocalEndpoint::runtimeFolderFromEnvironment(),
                     std::chrono::milliseconds activationWait = kActivationWait,
                     std::chrono::milliseconds callTimeout = kCallTimeout);

    std::unique_ptr<AutomationObject> create(const std::string& progId) override;

    // "\SOFTWARE\Classes\<ProgID>\LocalServer32": its unnamed value is the server's command line.
    static std::string serverKey(const std::string& progId);

private:
    std::string registeredServer(const std::string& progId);

    RegistryStore& machineStore_;
    Shell& shell_;
    std::string runtimeFolder_;
    std::chrono::milliseconds activationWait_;
    std::chrono::milliseconds callTimeout_;
};

} // namespace harvex2::platform
