#include "ui/handoff/FollowTimer.h"

#include <QTimer>

namespace harvex2::ui {

FollowTimer::FollowTimer(std::optional<std::chrono::milliseconds> pace, QObject* parent)
    : QObject(parent), pace_(pace), timer_(new QTimer(this)) {
    connect(timer_, &QTimer::timeout, this, [this] {
        if (tick_) {
            tick_();
        }
    });
}

void FollowTimer::schedule(bool running, int intervalMs) {
    if (!running) {
        timer_->stop();
        return;
    }
    timer_->start(pace_ ? static_cast<int>(pace_->count()) : intervalMs);
}

} // namespace harvex2::ui
