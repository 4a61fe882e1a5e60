#pragma once

#include "platform/Failure.h"
#include "platform/Prompts.h"

namespace harvex2::ui {

// How the program shows each kind of failure: every one in an error box; one the command
// did not handle under the program's name and ending in a full stop, a file naming it, a
// download manager or folder out of reach under "Error", a stated one as written.
class FailureBox {
public:
    static platform::MessageRequest requestFor(const platform::Failure& failure);
};

} // namespace harvex2::ui
