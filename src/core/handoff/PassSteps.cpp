#include "core/handoff/PassSteps.h"

#include "core/handoff/PassCalls.h"

#include <cstdint>
#include <limits>

namespace harvex2::core {

using platform::FailureKind;

void PassSteps::setUpProgress(AddingPassContext& context) {
    context.window.setProgressRange(static_cast<int>(context.rows.count()) - 1);
    context.window.setProgressPosition(0);
}

void PassSteps::beginRow(AddingPassContext& context, std::size_t row) {
    context.window.scrollToRow(row);
    context.rows.setStatus(row, "Adding", RowPicture::Adding);
}

void PassSteps::countAdded(SettingsRecord& settings) {
    if (settings.files < std::numeric_limits<std::int32_t>::max()) {
        ++settings.files;
    }
}

void PassSteps::reportThen(AddingPassContext& context, const platform::Failure& failure,
                           std::function<void()> then) {
    context.prompts.reportThen(failure, context.calls->whenAnswered(std::move(then)));
}

void PassSteps::endOfPass(AddingPassContext& context) {
    if (context.allOk) {
        context.window.requestClose(true);
        finish(context);
        return;
    }
    reportThen(
        context,
        {FailureKind::Stated,
         "There were errors while adding jobs\r\nPlease review and close the adding dialog."},
        [&context] { finish(context); });
}

void PassSteps::Recover(AddingPassContext& context, bool hidePleaseWait, const std::string& message,
                        std::function<void()> then) {
    // Marked before the box: a window closed while it is open tidies nothing away.
    if (context.rows.count() > 0) {
        context.rows.setOutcome(0, RowOutcome::Fatal);
    }
    context.passEnded = true;
    reportThen(context, {FailureKind::Connection, message},
               [&context, hidePleaseWait, then = std::move(then)] {
                   if (hidePleaseWait) {
                       context.window.hidePleaseWait();
                   }
                   context.window.requestClose(true);
                   then();
               });
}

void PassSteps::failRowsInProgress(AddingPassContext& context, const std::string& failure) {
    for (std::size_t row = 0; row < context.rows.count(); ++row) {
        if (context.rows.at(row).picture == RowPicture::Adding) {
            context.rows.setStatus(row, "Failed - " + failure, RowPicture::Fatal);
            context.rows.setOutcome(row, RowOutcome::Fatal);
        }
    }
}

} // namespace harvex2::core
