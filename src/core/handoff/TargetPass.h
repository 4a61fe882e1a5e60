#pragma once

#include "core/handoff/AddingPassContext.h"

namespace harvex2::core {

// One way of reaching a download manager: hands every row of the Adding window to it and
// records each row's outcome. The Adding window, its rows and the tidy-up afterwards know
// nothing of which pass ran; `AddingPass` picks it from the settings.
class TargetPass {
public:
    virtual ~TargetPass() = default;
    // A failure the pass does not handle itself throws; its text is shown as it stands.
    virtual void run(AddingPassContext& context) = 0;
};

} // namespace harvex2::core
