#pragma once

#include <chrono>
#include <vector>

#include <QTimer>

namespace harvex2::bench {

// How long the window's event loop goes unserved: a 10 ms timer notes the gap between its
// ticks while it runs.
class Heartbeat {
public:
    using Clock = std::chrono::steady_clock;

    struct Gaps {
        double longestMs = 0;
        double p99Ms = 0;
    };

    Heartbeat();
    void start();
    // Stops the timer; the gaps count the wait after the last tick.
    Gaps stop();

private:
    QTimer timer_;
    Clock::time_point last_;
    std::vector<double> gaps_;
};

} // namespace harvex2::bench
