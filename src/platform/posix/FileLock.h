#pragma once

#include <string>

namespace harvex2::platform {

// An exclusive advisory lock (flock) on a lock file, held for the object's lifetime. The
// lock file is created when missing and never removed: removing it would let two writers
// lock different files.
class FileLock {
public:
    // Blocks until the lock is granted; throws IoError when the lock file cannot be opened.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_;
};

} // namespace harvex2::platform
