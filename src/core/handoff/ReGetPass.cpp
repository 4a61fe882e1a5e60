#include "core/handoff/ReGetPass.h"

#include "core/handoff/PassSteps.h"

namespace harvex2::core {

void ReGetPass::run(AddingPassContext& context) {
    PassSteps::setUpProgress(context);
    context.window.setPleaseWaitStatus("Attempting to find ReGet...");
    context.window.showPleaseWait();
    PassSteps::Recover(context, true,
                       "Could not find the ReGet class to initiate OLE Automation. ");
}

} // namespace harvex2::core
