#pragma once

#include "platform/ProcessLauncher.h"
#include "platform/posix/SpawnedProcess.h"
#include "platform/posix/WakePipe.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace harvex2::platform {

// The launcher over posix_spawn. One thread of its own starts the queued jobs and waits, in
// one poll, on every child's error pipe and end (a process descriptor each) and on a wake
// pipe the other threads write to.
class SpawnLauncher : public ProcessLauncher {
public:
    SpawnLauncher();
    // Stops every process still running.
    ~SpawnLauncher() override;
    SpawnLauncher(const SpawnLauncher&) = delete;
    SpawnLauncher& operator=(const SpawnLauncher&) = delete;

    std::optional<std::string> find(const std::string& program) const override {
        return programPath(program);
    }
    // What find() answers, without a launcher.
    static std::optional<std::string> programPath(const std::string& program);
    void add(std::vector<ProcessJob> jobs, const ProcessLimits& limits) override;
    std::size_t pending() const override { return pending_; }
    // Not from a job's own call: it waits for the thread that makes them.
    void stopAll() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Queued {
        ProcessJob job;
        std::optional<std::chrono::milliseconds> timeout;
    };
    struct Running {
        std::unique_ptr<SpawnedProcess> process;
        ProcessJob job;
        std::optional<Clock::time_point> deadline;
    };

    void loop();
    // Takes the jobs that may start now, or the whole queue when stopping.
    std::vector<Queued> takeQueued(bool& stopping);
    void launch(Queued queued);
    void wait();
    void collect();
    void finish(ProcessJob& job, const ProcessEnd& end);

    mutable std::mutex mutex_;
    std::condition_variable allEnded_;
    std::deque<Queued> queue_;
    std::size_t parallel_ = 4;
    bool stopRequested_ = false;
    bool quitting_ = false;
    std::atomic<std::size_t> pending_{0};
    // Only the launcher's thread touches these.
    std::vector<Running> running_;
    WakePipe wake_;
    std::thread thread_;
};

} // namespace harvex2::platform
