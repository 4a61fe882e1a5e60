#include "platform/posix/SpawnLauncher.h"

#include <algorithm>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

// Without process descriptors a child's end is looked for this often.
constexpr int kReapTickMs = 20;

bool isExecutable(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

void drain(int fd) {
    char bytes[64];
    while (::read(fd, bytes, sizeof bytes) > 0) {
    }
}

} // namespace

SpawnLauncher::SpawnLauncher() : thread_([this] { loop(); }) {}

SpawnLauncher::~SpawnLauncher() {
    stopAll();
    {
        const std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    wake_.wake();
    thread_.join();
}

std::optional<std::string> SpawnLauncher::programPath(const std::string& program) {
    if (program.empty()) {
        return std::nullopt;
    }
    if (program.find('/') != std::string::npos) {
        return isExecutable(program) ? std::optional(program) : std::nullopt;
    }
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const auto colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        const std::string candidate =
            (folder.empty() ? std::string(".") : std::string(folder)) + "/" + program;
        if (isExecutable(candidate)) {
            return candidate;
        }
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        folders.remove_prefix(colon + 1);
    }
}

void SpawnLauncher::add(std::vector<ProcessJob> jobs, const ProcessLimits& limits) {
    {
        const std::lock_guard lock(mutex_);
        parallel_ = std::max<std::size_t>(limits.parallel, 1);
        for (ProcessJob& job : jobs) {
            queue_.push_back({std::move(job), limits.timeout});
        }
        pending_ += jobs.size();
    }
    wake_.wake();
}

void SpawnLauncher::stopAll() {
    std::unique_lock lock(mutex_);
    stopRequested_ = true;
    wake_.wake();
    allEnded_.wait(lock, [this] { return pending_ == 0; });
    stopRequested_ = false;
}

void SpawnLauncher::loop() {
    while (true) {
        bool stopping = false;
        for (Queued& queued : takeQueued(stopping)) {
            if (stopping) {
                finish(queued.job, {ProcessEnd::Kind::Stopped, 0, {}});
            } else {
                launch(std::move(queued));
            }
        }
        if (stopping) {
            for (Running& running : running_) {
                running.process->stop(ProcessEnd::Kind::Stopped);
            }
        }
        {
            const std::lock_guard lock(mutex_);
            if (quitting_ && running_.empty()) {
                return;
            }
        }
        wait();
        collect();
    }
}

std::vector<SpawnLauncher::Queued> SpawnLauncher::takeQueued(bool& stopping) {
    const std::lock_guard lock(mutex_);
    stopping = stopRequested_;
    const std::size_t room =
        stopping ? queue_.size() : parallel_ - std::min(parallel_, running_.size());
    std::vector<Queued> taken;
    while (taken.size() < room && !queue_.empty()) {
        taken.push_back(std::move(queue_.front()));
        queue_.pop_front();
    }
    return taken;
}

void SpawnLauncher::launch(Queued queued) {
    std::string error;
    auto process = SpawnedProcess::start(queued.job.words, error);
    if (!process) {
        finish(queued.job, {ProcessEnd::Kind::NotStarted, 0, error});
        return;
    }
    if (queued.job.started) {
        queued.job.started();
    }
    std::optional<Clock::time_point> deadline;
    if (queued.timeout) {
        deadline = Clock::now() + *queued.timeout;
    }
    running_.push_back({std::move(process), std::move(queued.job), deadline});
}

void SpawnLauncher::wait() {
    std::vector<pollfd> fds{{wake_.fd(), POLLIN, 0}};
    int timeout = -1;
    const auto now = Clock::now();
    for (const Running& running : running_) {
        for (const int fd : {running.process->errorFd(), running.process->exitFd()}) {
            if (fd >= 0) {
                fds.push_back({fd, POLLIN, 0});
            }
        }
        if (running.process->exitFd() < 0) {
            timeout = kReapTickMs;
        }
        if (running.deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                std::max(*running.deadline - now, Clock::duration::zero()));
            const int leftMs = static_cast<int>(std::min<long long>(left.count(), 1 << 30));
            timeout = timeout < 0 ? leftMs : std::min(timeout, leftMs);
        }
    }
    ::poll(fds.data(), fds.size(), timeout);
    drain(wake_.fd());
}

void SpawnLauncher::collect() {
    const auto now = Clock::now();
    for (auto it = running_.begin(); it != running_.end();) {
        SpawnedProcess& process = *it->process;
        process.readError();
        if (process.reap()) {
            const ProcessEnd end = process.end();
            ProcessJob job = std::move(it->job);
            it = running_.erase(it);
            finish(job, end);
            continue;
        }
        if (it->deadline && now >= *it->deadline) {
            process.stop(ProcessEnd::Kind::TimedOut);
            it->deadline.reset();
        }
        ++it;
    }
}

void SpawnLauncher::finish(ProcessJob& job, const ProcessEnd& end) {
    if (job.ended) {
        job.ended(end);
    }
    const std::lock_guard lock(mutex_);
    if (--pending_ == 0) {
        allEnded_.notify_all();
    }
}

} // namespace harvex2::platform
