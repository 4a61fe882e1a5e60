#include "core/handoff/NetVampirePass.h"

#include "core/handoff/PassCalls.h"
#include "core/handoff/PassSteps.h"

namespace harvex2::core {

using platform::MessageButton;
using platform::MessageIcon;

void NetVampirePass::start(AddingPassContext& context) {
    PassSteps::setUpProgress(context);
    context.allOk = true;
    context.passEnded = false;
    context.window.setPleaseWaitStatus("Connecting to NetVampire...");
    context.window.showPleaseWait();

    const std::string recorded = NetVampireContract::recordedLocation(context.machineStore);
    if (recorded.empty()) {
        askForFolder(context);
        return;
    }
    located(context, recorded);
}

void NetVampirePass::askForFolder(AddingPassContext& context) {
    context.prompts.ask(
        {MessageIcon::Error,
         "No entry in Registry",
         "Oops. Couldn't find NetVampire. Do you want to find it?",
         {MessageButton::Yes, MessageButton::No}},
        context.calls->whenAnswered<MessageButton>([this, &context](MessageButton answer) {
            if (answer != MessageButton::Yes) {
                located(context, {});
                return;
            }
            platform::FileDialogRequest request;
            request.title = "Select directory containing NetVampire";
            context.prompts.askForFolder(request,
                                         context.calls->whenAnswered<std::optional<std::string>>(
                                             [this, &context](std::optional<std::string> folder) {
                                                 folderChosen(context, folder);
                                             }));
        }));
}

// The folder the user picked is recorded for the next time.
void NetVampirePass::folderChosen(AddingPassContext& context,
                                  const std::optional<std::string>& folder) {
    if (!folder || folder->empty()) {
        located(context, {});
        return;
    }
    NetVampireContract::recordLocation(context.machineStore, *folder);
    located(context, *folder);
}

void NetVampirePass::located(AddingPassContext& context, const std::string& folder) {
    const auto location = NetVampireContract::locate(folder);
    if (!location) {
        if (context.rows.count() > 0) {
            context.rows.setPicture(0, RowPicture::Fatal);
        }
        PassSteps::Recover(context, true, "Net Vampire could not be found!",
                           [&context] { PassSteps::finish(context); });
        return;
    }
    context.window.setPleaseWaitStatus("Initialising DDE Link...");
    channel_->start(context, *location, [&context] {
        if (context.passEnded) {
            PassSteps::finish(context);
        } else {
            PassSteps::endOfPass(context);
        }
    });
}

} // namespace harvex2::core
