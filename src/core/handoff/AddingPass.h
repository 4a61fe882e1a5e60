#pragma once

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/Aria2Pass.h"
#include "core/handoff/DdeChannel.h"
#include "core/handoff/JobFileChannel.h"
#include "core/handoff/NetVampirePass.h"
#include "core/handoff/ReGetPass.h"
#include "core/handoff/TNVManager.h"

#include <string>

namespace harvex2::core {

// The Adding window's hand-off with every target it can reach; the window owns one and
// runs it when its start timer fires.
class AddingPass {
public:
    AddingPass(platform::RegistryStore& userStore, platform::RegistryStore& machineStore,
               platform::DdeClient& dde, platform::Automation& automation,
               platform::JsonRpcConnector& jsonRpc);

    // Hands every row to the target the settings name. A failure no pass handles is shown
    // with its own text, marks the row it stopped at failed and leaves the window open.
    void run(AddingPassContext& context);

    TNVManager& jobManager() { return jobManager_; }

    // The download manager the settings name, as the user knows it.
    static std::string targetName(const SettingsRecord& settings);

private:
    // The one place where `Mode` (and `NVDDE`) choose the target.
    TargetPass& passFor(const SettingsRecord& settings);

    TNVManager jobManager_;
    JobFileChannel jobFiles_;
    NetVampirePass jobFilePass_;
    DdeChannel dde_;
    NetVampirePass ddePass_;
    ReGetPass reGet_;
    Aria2Pass aria2_;
};

} // namespace harvex2::core
