#include "ui/platform/RunDriver.h"

#include <stdexcept>
#include <utility>

namespace harvex2::ui {

RunDriver::RunDriver(QObject* parent, std::function<Clock::time_point()> now)
    : QObject(parent), now_(std::move(now)) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &RunDriver::turn);
}

void RunDriver::start(std::unique_ptr<core::SlicedRun> run, std::function<void()> finished) {
    if (running()) {
        throw std::logic_error("RunDriver: a run is already being driven");
    }
    run_ = std::move(run);
    finished_ = std::move(finished);
    timer_.start();
}

void RunDriver::cancel() {
    if (running()) {
        run_->cancel();
    }
}

void RunDriver::turn() {
    const Clock::time_point end = now_() + kTurn;
    bool more = true;
    while (more && now_() < end) {
        more = run_->advance();
    }
    if (more) {
        return;
    }
    timer_.stop();
    run_.reset();
    // Moved out first: finished may start the next run on this driver.
    auto finished = std::exchange(finished_, {});
    if (finished) {
        finished();
    }
}

} // namespace harvex2::ui
