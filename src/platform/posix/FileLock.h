#pragma once

#include <chrono>
#include <string>

namespace harvex2::platform {

// An advisory lock (flock) on a lock file, held for the object's lifetime. The lock file is
// created when missing and never removed: removing it would let two writers lock different
// files.
class FileLock {
public:
    // Shared holders exclude only an exclusive one: writers that cannot disturb each other
    // share, the one that replaces the file excludes them.
    enum class Kind { Exclusive, Shared };

    // Waits at most `wait` for the lock: a copy of the program that was stopped while it
    // held the lock must not hang the others. Throws IoError: EWOULDBLOCK when the wait ran
    // out, else why the lock file could not be opened or locked.
    FileLock(const std::string& path, std::chrono::milliseconds wait, Kind kind = Kind::Exclusive);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

} // namespace harvex2::platform
