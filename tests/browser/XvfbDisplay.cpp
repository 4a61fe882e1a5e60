#include "XvfbDisplay.h"

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace harvex2::test {

namespace {

// The server writes its display number and a new line once it accepts clients.
std::string readDisplayNumber(int fd) {
    std::string number;
    char c = 0;
    pollfd ready{fd, POLLIN, 0};
    while (poll(&ready, 1, 10000) == 1 && read(fd, &c, 1) == 1 && c != '\n') {
        number += c;
    }
    return c == '\n' ? number : std::string();
}

} // namespace

XvfbDisplay::XvfbDisplay() {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid_ > 0) {
        const std::string number = readDisplayNumber(fds[0]);
        name_ = number.empty() ? number : ":" + number;
    }
    close(fds[0]);
}

XvfbDisplay::~XvfbDisplay() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}

} // namespace harvex2::test
