#pragma once

#include "core/handoff/AddingPassContext.h"

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::core {

// The steps every hand-off pass shares, whichever program it talks to.
class PassSteps {
public:
    // The bar runs from 0 to the last row and starts at 0.
    static void setUpProgress(AddingPassContext& context);
    // Brings the row into view and marks it as being handed over.
    static void beginRow(AddingPassContext& context, std::size_t row);
    // The files-added counter, which stops at its largest value.
    static void countAdded(SettingsRecord& settings);
    // Tells what failed without waiting in a box; `then` goes on once it has been seen,
    // unless the pass was given up meanwhile.
    static void reportThen(AddingPassContext& context, const platform::Failure& failure,
                           std::function<void()> then);
    // Every row accepted: the window closes by itself; otherwise the user is told to review
    // the refused rows and the window stays open. The pass ends after that.
    static void endOfPass(AddingPassContext& context);
    // The fatal-error path: the message, the fatal marker on the first row, and the window
    // closes; `then` follows. Rows the pass did not reach keep "Waiting".
    static void Recover(AddingPassContext& context, bool hidePleaseWait, const std::string& message,
                        std::function<void()> then);
    // A failure no channel handles: the rows being handed over show it and carry the fatal
    // marker, so that the tidy-up removes no entry whose link may not have arrived.
    static void failRowsInProgress(AddingPassContext& context, const std::string& failure);
    // The pass has ended; it touches nothing more.
    static void finish(AddingPassContext& context) { context.finished(); }
};

} // namespace harvex2::core
