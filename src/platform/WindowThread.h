#pragma once

#include <functional>

namespace harvex2::platform {

// The thread the windows live on, as work done elsewhere sees it: a task posted here runs
// there, from its event loop, after the tasks posted before it.
class WindowThread {
public:
    virtual ~WindowThread() = default;
    // Safe from any thread.
    virtual void post(std::function<void()> task) = 0;
};

} // namespace harvex2::platform
