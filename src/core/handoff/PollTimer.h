#pragma once

namespace harvex2::core {

// The clock that drives the job-file component's change poll; the window that owns the
// component provides it.
class PollTimer {
public:
    virtual ~PollTimer() = default;
    // Ticks every `intervalMs` milliseconds while `running`, and not at all otherwise.
    virtual void schedule(bool running, int intervalMs) = 0;
};

} // namespace harvex2::core
