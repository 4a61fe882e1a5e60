#pragma once

#include "platform/ProcessLauncher.h"
#include "platform/posix/ErrorLineTail.h"

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

namespace harvex2::platform {

// One child started with posix_spawn, in a process group of its own so that stopping it
// stops what it started too. Its error output comes through a pipe into an ErrorLineTail.
class SpawnedProcess {
public:
    // nullptr, with `error` set, when the program could not be started.
    static std::unique_ptr<SpawnedProcess> start(const std::vector<std::string>& words,
                                                 std::string& error);
    // A child still running is killed and reaped.
    ~SpawnedProcess();
    SpawnedProcess(const SpawnedProcess&) = delete;
    SpawnedProcess& operator=(const SpawnedProcess&) = delete;

    // The pipe of its error output, -1 once it has closed.
    int errorFd() const { return errorFd_; }
    // Readable once the child has ended; -1 where the system has no process descriptors,
    // and then the caller must look at reap() now and then.
    int exitFd() const { return pidFd_; }

    // Takes what the pipe holds now; closes it at its end.
    void readError();
    // Whether the child has ended, its status then taken.
    bool reap();
    // Kills the child's process group; `why` is how its end will be told.
    void stop(ProcessEnd::Kind why);
    // How it ended, once reap() said so.
    ProcessEnd end() const;

private:
    SpawnedProcess(pid_t pid, int errorFd);

    pid_t pid_;
    int errorFd_;
    int pidFd_ = -1;
    int status_ = 0;
    bool reaped_ = false;
    ProcessEnd::Kind stoppedAs_ = ProcessEnd::Kind::Signalled;
    ErrorLineTail tail_;
};

} // namespace harvex2::platform
