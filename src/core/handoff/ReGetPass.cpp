#include "core/handoff/ReGetPass.h"

#include "core/handoff/PassCalls.h"
#include "core/handoff/PassSteps.h"
#include "platform/Automation.h"

namespace harvex2::core {

std::string ReGetPass::callText(const std::string& url) {
    return "Info=Added by Harvex\r\nURL=" + url;
}

void ReGetPass::start(AddingPassContext& context) {
    PassSteps::setUpProgress(context);
    context.window.setPleaseWaitStatus("Attempting to find ReGet...");
    context.window.showPleaseWait();
    // Finding the object may start ReGet and wait for it.
    context.calls->run<Object>(
        [&automation = automation_]() -> Object {
            try {
                return automation.create(kProgId);
            } catch (const platform::AutomationError&) {
                return nullptr;
            }
        },
        [this, &context](Object reGet) { found(context, std::move(reGet)); });
}

void ReGetPass::interrupt() {
    if (reGet_) {
        reGet_->interrupt();
        reGet_.reset();
    }
}

void ReGetPass::found(AddingPassContext& context, Object reGet) {
    if (!reGet) {
        PassSteps::Recover(context, true,
                           "Could not find the ReGet class to initiate OLE Automation. ",
                           [&context] { PassSteps::finish(context); });
        return;
    }
    reGet_ = std::move(reGet);
    addRow(context, 0);
}

void ReGetPass::addRow(AddingPassContext& context, std::size_t row) {
    if (row == context.rows.count()) {
        reGet_.reset();
        context.window.requestClose(true);
        PassSteps::finish(context);
        return;
    }
    PassSteps::beginRow(context, row);
    context.calls->run<bool>(
        [reGet = reGet_, text = callText(context.rows.at(row).url)] {
            try {
                reGet->call("Add", text);
            } catch (const platform::AutomationError& failure) {
                throw HandoffError(failure.what());
            }
            return true;
        },
        [this, &context, row](bool) { added(context, row); });
}

void ReGetPass::added(AddingPassContext& context, std::size_t row) {
    context.window.hidePleaseWait();
    context.rows.setStatus(row, "Added", RowPicture::Added);
    PassSteps::countAdded(context.settings);
    context.window.setProgressPosition(static_cast<int>(row));
    addRow(context, row + 1);
}

} // namespace harvex2::core
