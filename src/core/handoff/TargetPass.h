#pragma once

#include "core/handoff/AddingPassContext.h"

namespace harvex2::core {

// One way of reaching a download manager: hands every row of the Adding window to it and
// records each row's outcome. The Adding window, its rows and the tidy-up afterwards know
// nothing of which pass ran; `AddingPass` picks it from the settings.
//
// A pass never waits on the window's thread: it advances from one result to the next, its
// blocking calls going through the context's PassCalls, and calls the context's finished()
// once it has ended.
class TargetPass {
public:
    virtual ~TargetPass() = default;
    // A failure the pass does not handle itself throws; its text is shown as it stands.
    virtual void start(AddingPassContext& context) = 0;
    // The pass was given up: wakes the call in flight, whose result will be dropped.
    virtual void interrupt() = 0;
};

} // namespace harvex2::core
