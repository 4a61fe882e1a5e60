#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace harvex2::core {

// Tells a long loop when to show its progress and let the windows repaint: at a steady
// rate, however fast the loop turns. Repainting after every step would cost far more
// than most steps, and a view attached to what the loop fills may lay out every row anew
// on each repaint.
class RepaintPace {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kInterval{50};

    explicit RepaintPace(Clock::duration interval = kInterval,
                         std::function<Clock::time_point()> now = &Clock::now);

    // Makes the next due() true.
    void restart() { next_.reset(); }
    // True at the first call after a restart, then once the interval has passed since the
    // last true answer.
    bool due();

private:
    Clock::duration interval_;
    std::function<Clock::time_point()> now_;
    std::optional<Clock::time_point> next_;
};

} // namespace harvex2::core
