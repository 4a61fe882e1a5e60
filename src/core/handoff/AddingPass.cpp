#include "core/handoff/AddingPass.h"

#include "core/handoff/PassSteps.h"
#include "platform/ErrorBox.h"

#include <exception>

namespace harvex2::core {

AddingPass::AddingPass(platform::RegistryStore& userStore, platform::RegistryStore& machineStore,
                       platform::DdeClient& dde, platform::Automation& automation,
                       platform::JsonRpcConnector& jsonRpc)
    : jobManager_(userStore, machineStore), jobFiles_(jobManager_), jobFilePass_(jobFiles_),
      dde_(dde), ddePass_(dde_), reGet_(automation), aria2_(jsonRpc) {}

void AddingPass::run(AddingPassContext& context) {
    // Nothing to hand over is not a failure: the window just closes.
    if (context.rows.count() == 0) {
        context.window.requestClose(true);
        return;
    }
    try {
        passFor(context.settings).run(context);
    } catch (const std::exception& failure) {
        context.window.hidePleaseWait();
        PassSteps::failRowsInProgress(context, failure.what());
        platform::showErrorBox(context.prompts, failure.what());
    }
}

std::string AddingPass::targetName(const SettingsRecord& settings) {
    switch (static_cast<TargetProgram>(settings.mode)) {
    case TargetProgram::NetVampire:
        return "NetVampire";
    case TargetProgram::NetVampire3:
        return "NetVampire 3";
    case TargetProgram::Aria2:
        return "aria2";
    case TargetProgram::ReGet:
        break;
    }
    return "ReGet";
}

TargetPass& AddingPass::passFor(const SettingsRecord& settings) {
    const auto target = static_cast<TargetProgram>(settings.mode);
    if (target == TargetProgram::NetVampire || target == TargetProgram::NetVampire3) {
        return settings.nvdde ? ddePass_ : jobFilePass_;
    }
    if (target == TargetProgram::Aria2) {
        return aria2_;
    }
    return reGet_;
}

} // namespace harvex2::core
