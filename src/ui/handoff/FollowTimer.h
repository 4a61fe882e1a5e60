#pragma once

#include "core/handoff/PollTimer.h"

#include <chrono>
#include <functional>
#include <optional>

#include <QObject>

class QTimer;

namespace harvex2::ui {

// Drives the following of downloads from the event loop, at the pace the follower asks for
// unless its owner set another.
class FollowTimer : public QObject, public core::PollTimer {
    Q_OBJECT
public:
    explicit FollowTimer(std::optional<std::chrono::milliseconds> pace, QObject* parent = nullptr);

    void setTick(std::function<void()> tick) { tick_ = std::move(tick); }
    void schedule(bool running, int intervalMs) override;

private:
    std::optional<std::chrono::milliseconds> pace_;
    std::function<void()> tick_;
    QTimer* timer_;
};

} // namespace harvex2::ui
