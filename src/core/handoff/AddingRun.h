#pragma once

#include "core/handoff/AddingRows.h"

namespace harvex2::core {

// What the commands that fill the Adding window need of it.
class AddingRun {
public:
    virtual ~AddingRun() = default;
    virtual AddingRows& rows() = 0;
    // Arms the start timer and shows the window modally; returns when it has closed.
    virtual void run() = 0;
};

} // namespace harvex2::core
