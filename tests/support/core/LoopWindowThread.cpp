#include "support/core/LoopWindowThread.h"

namespace harvex2::test {

void LoopWindowThread::post(std::function<void()> task) {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
    posted_.notify_one();
}

bool LoopWindowThread::runUntil(const std::function<bool()>& done,
                                std::chrono::milliseconds patience) {
    while (!done()) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            if (!posted_.wait_for(lock, patience, [this] { return !tasks_.empty(); })) {
                return false;
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
    }
    return true;
}

} // namespace harvex2::test
