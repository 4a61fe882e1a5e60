#include "platform/posix/SpawnedProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace harvex2::platform {

namespace {

// Input from /dev/null, output dropped, error output into the pipe, nothing else open.
class ChildFiles {
public:
    explicit ChildFiles(int errorEnd) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions_, errorEnd, 2);
        posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    }
    ~ChildFiles() { posix_spawn_file_actions_destroy(&actions_); }
    ChildFiles(const ChildFiles&) = delete;
    ChildFiles& operator=(const ChildFiles&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

// A group of its own, every signal at its default (this program ignores SIGPIPE, which a
// child would otherwise inherit) and none blocked.
class ChildAttributes {
public:
    ChildAttributes() {
        posix_spawnattr_init(&attributes_);
        sigset_t all;
        sigset_t none;
        sigfillset(&all);
        sigemptyset(&none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setpgroup(&attributes_, 0);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF |
                                                   POSIX_SPAWN_SETSIGMASK);
    }
    ~ChildAttributes() { posix_spawnattr_destroy(&attributes_); }
    ChildAttributes(const ChildAttributes&) = delete;
    ChildAttributes& operator=(const ChildAttributes&) = delete;
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

std::vector<char*> argumentsOf(const std::vector<std::string>& words) {
    std::vector<char*> arguments;
    arguments.reserve(words.size() + 1);
    for (const std::string& word : words) {
        arguments.push_back(const_cast<char*>(word.c_str()));
    }
    arguments.push_back(nullptr);
    return arguments;
}

} // namespace

std::unique_ptr<SpawnedProcess> SpawnedProcess::start(const std::vector<std::string>& words,
                                                      std::string& error) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    ::fcntl(ends[0], F_SETFL, O_NONBLOCK);
    pid_t pid = 0;
    const int failure = [&] {
        const ChildFiles files(ends[1]);
        const ChildAttributes attributes;
        const auto arguments = argumentsOf(words);
        return ::posix_spawnp(&pid, arguments[0], files.get(), attributes.get(), arguments.data(),
                              environ);
    }();
    ::close(ends[1]);
    if (failure != 0) {
        ::close(ends[0]);
        error = words.front() + ": " + std::strerror(failure);
        return nullptr;
    }
    return std::unique_ptr<SpawnedProcess>(new SpawnedProcess(pid, ends[0]));
}

SpawnedProcess::SpawnedProcess(pid_t pid, int errorFd)
    : pid_(pid), errorFd_(errorFd), pidFd_(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0))) {}

SpawnedProcess::~SpawnedProcess() {
    if (!reaped_) {
        ::kill(-pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    for (const int fd : {errorFd_, pidFd_}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

void SpawnedProcess::readError() {
    char piece[1 << 16];
    while (errorFd_ >= 0) {
        const ssize_t got = ::read(errorFd_, piece, sizeof piece);
        if (got > 0) {
            tail_.feed(std::string_view(piece, static_cast<std::size_t>(got)));
        } else if (got == 0 || errno != EINTR) {
            if (got == 0 || errno != EAGAIN) {
                ::close(errorFd_);
                errorFd_ = -1;
            }
            return;
        }
    }
}

bool SpawnedProcess::reap() {
    if (!reaped_ && ::waitpid(pid_, &status_, WNOHANG) == pid_) {
        reaped_ = true;
        // What it wrote before it ended is in the pipe; a child it left behind may hold the
        // pipe open, so nothing waits for the pipe's end.
        readError();
    }
    return reaped_;
}

void SpawnedProcess::stop(ProcessEnd::Kind why) {
    stoppedAs_ = why;
    ::kill(-pid_, SIGKILL);
}

ProcessEnd SpawnedProcess::end() const {
    if (WIFEXITED(status_)) {
        return {ProcessEnd::Kind::Exited, WEXITSTATUS(status_), tail_.lastLine()};
    }
    return {stoppedAs_, WTERMSIG(status_), tail_.lastLine()};
}

} // namespace harvex2::platform
