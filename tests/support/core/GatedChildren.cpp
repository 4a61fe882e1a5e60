#include "support/core/GatedChildren.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace harvex2::test {

GatedChildren::GatedChildren() {
    if (::pipe(gate_) != 0) {
        throw std::runtime_error("pipe");
    }
}

GatedChildren::~GatedChildren() {
    open();
    for (const pid_t pid : pids_) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

pid_t GatedChildren::start(const std::function<void()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(gate_[1]);
        char go = 0;
        const bool released = ::read(gate_[0], &go, 1) == 0;
        int status = released ? 0 : 2;
        try {
            work();
        } catch (const std::exception& failure) {
            // The child's own words are all a failing test has to go on.
            std::fprintf(stderr, "child %d: %s\n", static_cast<int>(::getpid()), failure.what());
            status = 1;
        } catch (...) {
            status = 1;
        }
        ::_exit(status);
    }
    pids_.push_back(pid);
    return pid;
}

void GatedChildren::open() {
    for (int& fd : gate_) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

int GatedChildren::wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::erase(pids_, pid);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace harvex2::test
