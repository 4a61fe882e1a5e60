#pragma once

#include "platform/WindowThread.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace harvex2::test {

// The window's thread for tests without windows: tasks posted from any thread wait until
// the test's own thread runs them, as an event loop would.
class LoopWindowThread : public platform::WindowThread {
public:
    void post(std::function<void()> task) override;
    // Runs tasks as they come until `done` holds; false when none came for `patience`.
    bool runUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds patience = std::chrono::seconds(20));

private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

} // namespace harvex2::test
