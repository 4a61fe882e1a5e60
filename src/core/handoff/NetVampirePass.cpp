#include "core/handoff/NetVampirePass.h"

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

    const auto location = locate(context);
    if (!location) {
        if (context.rows.count() > 0) {
            context.rows.setPicture(0, RowPicture::Fatal);
        }
        PassSteps::Recover(context, true, "Net Vampire could not be found!");
        PassSteps::finish(context);
        return;
    }
    context.window.setPleaseWaitStatus("Initialising DDE Link...");
    channel_->start(context, *location, [&context] {
        if (!context.passEnded) {
            PassSteps::endOfPass(context);
        }
        PassSteps::finish(context);
    });
}

std::optional<NetVampireLocation> NetVampirePass::locate(AddingPassContext& context) {
    std::string recorded = NetVampireContract::recordedLocation(context.machineStore);
    if (recorded.empty()) {
        recorded = askForFolder(context);
    }
    return NetVampireContract::locate(recorded);
}

// The folder the user picked, recorded for the next time; empty when the user declined.
std::string NetVampirePass::askForFolder(AddingPassContext& context) {
    const MessageButton answer =
        context.prompts.message({MessageIcon::Error,
                                 "No entry in Registry",
                                 "Oops. Couldn't find NetVampire. Do you want to find it?",
                                 {MessageButton::Yes, MessageButton::No}});
    if (answer != MessageButton::Yes) {
        return {};
    }
    platform::FileDialogRequest request;
    request.title = "Select directory containing NetVampire";
    const auto folder = context.prompts.browseFolder(request);
    if (!folder || folder->empty()) {
        return {};
    }
    NetVampireContract::recordLocation(context.machineStore, *folder);
    return *folder;
}

} // namespace harvex2::core
