#include "core/handoff/AddingPass.h"

#include "platform/ErrorBox.h"

#include <exception>

namespace harvex2::core {

AddingPass::AddingPass(platform::RegistryStore& userStore, platform::RegistryStore& machineStore)
    : jobManager_(userStore, machineStore), jobFiles_(jobManager_), jobFileRoute_(jobFiles_),
      netVampire_(jobFileRoute_) {}

void AddingPass::run(AddingPassContext& context) {
    // Nothing to hand over is not a failure: the window just closes.
    if (context.rows.count() == 0) {
        context.window.requestClose(true);
        return;
    }
    try {
        runPass(context);
    } catch (const std::exception& failure) {
        context.window.hidePleaseWait();
        platform::showErrorBox(context.prompts, failure.what());
    }
}

void AddingPass::runPass(AddingPassContext& context) {
    const auto target = static_cast<TargetProgram>(context.settings.mode);
    if (target == TargetProgram::NetVampire || target == TargetProgram::NetVampire3) {
        netVampire_.AddToNV(context);
    } else {
        reGet_.AddToRG(context);
    }
}

} // namespace harvex2::core
