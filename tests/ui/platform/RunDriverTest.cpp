#include "ui/platform/RunDriver.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

// Counts down its slices; each slice moves the shared clock on by one millisecond.
class CountdownRun : public core::SlicedRun {
public:
    CountdownRun(int slices, RunDriver::Clock::time_point& clock) : left_(slices), clock_(clock) {}
    bool advance() override {
        clock_ += std::chrono::milliseconds(1);
        return !cancelled_ && --left_ > 0;
    }
    void cancel() override { cancelled_ = true; }

private:
    int left_;
    bool cancelled_ = false;
    RunDriver::Clock::time_point& clock_;
};

void waitUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 10000 && !done(); ++i) {
        QCoreApplication::processEvents();
    }
}

TEST(RunDriverTest, TurnsLeaveTheLoopFreeBetweenThemAndTheEndMayStartTheNextRun) {
    RunDriver::Clock::time_point clock{};
    RunDriver driver(nullptr, [&clock] { return clock; });
    int ticksDuringRun = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] { ticksDuringRun += driver.running(); });
    heartbeat.start(0);

    int finishedRuns = 0;
    driver.start(std::make_unique<CountdownRun>(100, clock), [&] {
        ++finishedRuns;
        driver.start(std::make_unique<CountdownRun>(1, clock), [&] { ++finishedRuns; });
    });
    waitUntil([&] { return finishedRuns == 2; });

    EXPECT_EQ(finishedRuns, 2);
    EXPECT_FALSE(driver.running());
    // 100 slices of one millisecond need several turns, with the loop served between them.
    EXPECT_GE(ticksDuringRun, 100 / RunDriver::kTurn.count() - 1);
}

TEST(RunDriverTest, CancelEndsTheRunAtItsNextSlice) {
    RunDriver::Clock::time_point clock{};
    RunDriver driver(nullptr, [&clock] { return clock; });
    bool finished = false;
    driver.start(std::make_unique<CountdownRun>(1000000, clock), [&] { finished = true; });
    driver.cancel();
    waitUntil([&] { return finished; });
    EXPECT_TRUE(finished);
    EXPECT_LT(clock.time_since_epoch(), std::chrono::milliseconds(1000));
}

} // namespace
} // namespace harvex2::ui
