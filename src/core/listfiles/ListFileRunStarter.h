#pragma once

#include "core/shell/SlicedRun.h"

#include <functional>
#include <memory>

namespace harvex2::core {

// Drives a run to its end and then calls `finished`: the window's event loop in the
// program, a loop of its own in a test.
using ListFileRunStarter =
    std::function<void(std::unique_ptr<SlicedRun> run, std::function<void()> finished)>;

} // namespace harvex2::core
