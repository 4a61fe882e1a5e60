#include "platform/posix/SocketAutomation.h"

#include "platform/RegistryStore.h"
#include "platform/Shell.h"
#include "platform/posix/SocketAutomationObject.h"

namespace harvex2::platform {

SocketAutomation::SocketAutomation(RegistryStore& machineStore, Shell& shell,
                                   std::string runtimeFolder,
                                   std::chrono::milliseconds activationWait,
                                   std::chrono::milliseconds callTimeout)
    : machineStore_(machineStore), shell_(shell), runtimeFolder_(std::move(runtimeFolder)),
      activationWait_(activationWait), callTimeout_(callTimeout) {}

std::string SocketAutomation::serverKey(const std::string& progId) {
    return "\\SOFTWARE\\Classes\\" + progId + "\\LocalServer32";
}

std::string SocketAutomation::registeredServer(const std::string& progId) {
    std::string command;
    try {
        if (machineStore_.openKey(serverKey(progId), false)) {
            command = machineStore_.readString("");
        }
    } catch (const RegistryError&) {
        command.clear();
    }
    machineStore_.closeKey();
    return command;
}

std::unique_ptr<AutomationObject> SocketAutomation::create(const std::string& progId) {
    const std::string path =
        LocalEndpoint::path(runtimeFolder_, LocalEndpoint::automationName(progId));
    bool registered = false;
    FrameSocket socket = FrameSocket::connectOrStart(
        path,
        [&] {
            const std::string command = registeredServer(progId);
            registered = !command.empty();
            return registered && shell_.startCommand(command);
        },
        activationWait_);
    if (!socket.valid()) {
        throw AutomationError(registered || path.empty() ? "Server execution failed"
                                                         : "Class not registered");
    }
    auto object = std::make_unique<SocketAutomationObject>(std::move(socket), callTimeout_);
    object->bind(progId);
    return object;
}

} // namespace harvex2::platform
