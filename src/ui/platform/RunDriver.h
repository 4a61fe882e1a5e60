#pragma once

#include "core/shell/SlicedRun.h"

#include <chrono>
#include <functional>
#include <memory>

#include <QObject>
#include <QTimer>

namespace harvex2::ui {

// Drives a sliced run from the window's event loop: each turn runs slices back to back
// until its time is spent, then lets the loop paint and handle input before the next turn.
// One run at a time.
class RunDriver : public QObject {
public:
    using Clock = std::chrono::steady_clock;
    // Short enough that the window answers within a frame or two however long the run is.
    static constexpr std::chrono::milliseconds kTurn{8};

    explicit RunDriver(QObject* parent = nullptr,
                       std::function<Clock::time_point()> now = &Clock::now);

    // Starts driving run. finished is called once, from the event loop, after the run's
    // last slice; the driver no longer holds the run then, so finished may start another.
    void start(std::unique_ptr<core::SlicedRun> run, std::function<void()> finished);
    // Passes a cancel on to the running run, which ends at its next slice.
    void cancel();
    bool running() const { return run_ != nullptr; }

private:
    void turn();

    std::function<Clock::time_point()> now_;
    QTimer timer_;
    std::unique_ptr<core::SlicedRun> run_;
    std::function<void()> finished_;
};

} // namespace harvex2::ui
