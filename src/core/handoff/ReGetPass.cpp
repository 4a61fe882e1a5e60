#include "core/handoff/ReGetPass.h"

#include "core/handoff/PassSteps.h"
#include "platform/Automation.h"

#include <memory>

namespace harvex2::core {

std::string ReGetPass::callText(const std::string& url) {
    return "Info=Added by Harvex\r\nURL=" + url;
}

void ReGetPass::run(AddingPassContext& context) {
    PassSteps::setUpProgress(context);
    context.window.setPleaseWaitStatus("Attempting to find ReGet...");
    context.window.showPleaseWait();
    context.events.processEvents();
    std::unique_ptr<platform::AutomationObject> reGet;
    try {
        reGet = automation_.create(kProgId);
    } catch (const platform::AutomationError&) {
        PassSteps::Recover(context, true,
                           "Could not find the ReGet class to initiate OLE Automation. ");
        return;
    }
    for (std::size_t row = 0; row < context.rows.count(); ++row) {
        PassSteps::beginRow(context, row);
        context.events.processEvents();
        try {
            reGet->call("Add", callText(context.rows.at(row).url));
        } catch (const platform::AutomationError& failure) {
            throw HandoffError(failure.what());
        }
        context.window.hidePleaseWait();
        context.events.processEvents();
        context.rows.setStatus(row, "Added", RowPicture::Added);
        PassSteps::countAdded(context.settings);
        context.window.setProgressPosition(static_cast<int>(row));
    }
    context.window.requestClose(true);
}

} // namespace harvex2::core
