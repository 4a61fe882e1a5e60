#pragma once

#include <chrono>
#include <functional>
#include <sys/types.h>

namespace harvex2::test {

// Work done in a child process of the test, so that it can hold what another process would
// (a lock), change what the whole process shares (resource limits), or hang without taking
// the test with it.
class ChildProcess {
public:
    // Starts `work` at once. The child exits 0 when it returns, 1 when it throws.
    explicit ChildProcess(const std::function<void()>& work);
    // A child still running is killed.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The child's exit code, or -1 when it was killed, or did not end within `limit` and was
    // killed then.
    int wait(std::chrono::milliseconds limit);

    // Runs `work` in a child: whether it returned within `limit` without throwing.
    static bool succeedsWithin(std::chrono::milliseconds limit, const std::function<void()>& work);

private:
    pid_t pid_;
};

} // namespace harvex2::test
