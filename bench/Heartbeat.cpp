#include "Heartbeat.h"

#include <algorithm>

namespace harvex2::bench {

namespace {
double milliseconds(Heartbeat::Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}
} // namespace

Heartbeat::Heartbeat() {
    timer_.setInterval(10);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        const Clock::time_point now = Clock::now();
        gaps_.push_back(milliseconds(now - last_));
        last_ = now;
    });
}

void Heartbeat::start() {
    gaps_.clear();
    last_ = Clock::now();
    timer_.start();
}

Heartbeat::Gaps Heartbeat::stop() {
    gaps_.push_back(milliseconds(Clock::now() - last_));
    timer_.stop();
    std::sort(gaps_.begin(), gaps_.end());
    const auto p99 = static_cast<std::size_t>(static_cast<double>(gaps_.size() - 1) * 0.99);
    return {gaps_.back(), gaps_[p99]};
}

} // namespace harvex2::bench
