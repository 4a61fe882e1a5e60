#include "core/handoff/RepaintPace.h"

namespace harvex2::core {

RepaintPace::RepaintPace(Clock::duration interval, std::function<Clock::time_point()> now)
    : interval_(interval), now_(std::move(now)) {}

bool RepaintPace::due() {
    const Clock::time_point now = now_();
    if (next_ && now < *next_) {
        return false;
    }
    next_ = now + interval_;
    return true;
}

} // namespace harvex2::core
