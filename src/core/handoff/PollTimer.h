#pragma once

namespace harvex2::core {

// The clock that drives a poll (the job-file component's change poll, the following of
// downloads); the window that owns the poller provides it.
class PollTimer {
public:
    virtual ~PollTimer() = default;
    // Ticks every `intervalMs` milliseconds while `running`, and not at all otherwise.
    virtual void schedule(bool running, int intervalMs) = 0;
};

} // namespace harvex2::core
