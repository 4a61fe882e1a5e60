#include "core/handoff/PassCalls.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace harvex2::core {

struct PassCalls::Shared {
    Shared(platform::WindowThread& thread, std::function<void(const std::exception&)> onFailure)
        : windowThread(thread), failed(std::move(onFailure)) {}

    platform::WindowThread& windowThread;
    std::function<void(const std::exception&)> failed;
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> jobs;
    // Set on the window's thread; read by the calls' thread under the mutex before it posts,
    // so that nothing reaches the window's thread, or its objects, once given up.
    bool givenUp = false;
    bool threadStarted = false;
};

PassCalls::PassCalls(platform::WindowThread& windowThread,
                     std::function<void(const std::exception&)> failed)
    : shared_(std::make_shared<Shared>(windowThread, std::move(failed))) {}

PassCalls::~PassCalls() {
    giveUp();
}

void PassCalls::submit(Job job) {
    const std::lock_guard lock(shared_->mutex);
    if (shared_->givenUp) {
        return;
    }
    shared_->jobs.push_back(std::move(job));
    if (!shared_->threadStarted) {
        shared_->threadStarted = true;
        // Detached: giving up never waits for a call that may hang for its whole time-out.
        std::thread(&PassCalls::work, shared_).detach();
    }
    shared_->wake.notify_one();
}

void PassCalls::work(std::shared_ptr<Shared> shared) {
    while (true) {
        Job job;
        {
            std::unique_lock lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->givenUp || !shared->jobs.empty(); });
            if (shared->givenUp) {
                return;
            }
            job = std::move(shared->jobs.front());
            shared->jobs.pop_front();
        }
        std::function<void()> next;
        try {
            next = job();
        } catch (...) {
            next = [failure = std::current_exception()] { std::rethrow_exception(failure); };
        }
        // What the call held (a connection, an object) goes now, not after its result.
        job = nullptr;
        const std::lock_guard lock(shared->mutex);
        if (shared->givenUp) {
            return;
        }
        shared->windowThread.post(
            [shared, next = std::move(next)]() mutable { deliver(shared, std::move(next)); });
    }
}

std::function<void()> PassCalls::whenAnswered(std::function<void()> then) {
    return [shared = shared_, then = std::move(then)] { deliver(shared, then); };
}

void PassCalls::yield(std::function<void()> next) {
    const std::lock_guard lock(shared_->mutex);
    if (!shared_->givenUp) {
        shared_->windowThread.post([shared = shared_, next = std::move(next)]() mutable {
            deliver(shared, std::move(next));
        });
    }
}

void PassCalls::deliver(const std::shared_ptr<Shared>& shared, std::function<void()> next) {
    {
        const std::lock_guard lock(shared->mutex);
        if (shared->givenUp) {
            return;
        }
    }
    try {
        next();
    } catch (const std::exception& failure) {
        shared->failed(failure);
    }
}

void PassCalls::giveUp() {
    const std::lock_guard lock(shared_->mutex);
    shared_->givenUp = true;
    shared_->jobs.clear();
    shared_->wake.notify_one();
}

} // namespace harvex2::core
