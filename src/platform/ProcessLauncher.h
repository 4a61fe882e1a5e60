#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::platform {

// How one started program ended.
struct ProcessEnd {
    enum class Kind {
        Exited,
        // Ended by a signal it did not send itself the way the launcher does.
        Signalled,
        TimedOut,
        // Ended because every process was stopped (the program closing).
        Stopped,
        NotStarted,
    };
    Kind kind = Kind::Exited;
    // The exit status, or the signal's number.
    int code = 0;
    // The last line the program wrote to its error output, cleaned for display; for
    // NotStarted, why it could not start.
    std::string lastLine;

    bool succeeded() const { return kind == Kind::Exited && code == 0; }
};

// One program to run: its words (no shell reads them) and what to tell of it. Both calls
// come from the launcher's own thread.
struct ProcessJob {
    std::vector<std::string> words;
    std::function<void()> started;
    std::function<void(const ProcessEnd&)> ended;
};

struct ProcessLimits {
    // How many run at once; the rest wait in their order.
    std::size_t parallel = 4;
    // A process running longer is stopped; none when empty.
    std::optional<std::chrono::milliseconds> timeout;
};

// Starts programs without a shell, a few at a time, and tells how each ended, never
// blocking the caller's thread. A child reads nothing (its input is empty), its output is
// dropped, and it inherits no open file of this program.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;

    // The program's full path as it would be started (searched on PATH unless it holds a
    // "/"), or nullopt when no such program can be started.
    virtual std::optional<std::string> find(const std::string& program) const = 0;
    // Queues `jobs` behind those already waiting; `limits.parallel` then holds for all.
    virtual void add(std::vector<ProcessJob> jobs, const ProcessLimits& limits) = 0;
    // The jobs queued or running.
    virtual std::size_t pending() const = 0;
    // Stops every running process and drops the queue; each job still pending ends as
    // Stopped. Returns once they have ended.
    virtual void stopAll() = 0;
};

} // namespace harvex2::platform
