#pragma once

#include <functional>
#include <sys/types.h>
#include <vector>

namespace harvex2::test {

// Child processes that wait at a gate, so that they start their work together. A child
// exits with 0 when its work returns, 1 when it throws, 2 when the gate was never opened.
// Children still running when the object goes are killed.
class GatedChildren {
public:
    GatedChildren();
    ~GatedChildren();
    GatedChildren(const GatedChildren&) = delete;
    GatedChildren& operator=(const GatedChildren&) = delete;

    pid_t start(const std::function<void()>& work);
    // Lets every child started so far begin.
    void open();
    // The exit code of `pid`, or -1 when it did not exit normally.
    int wait(pid_t pid);

private:
    int gate_[2] = {-1, -1};
    std::vector<pid_t> pids_;
};

} // namespace harvex2::test
