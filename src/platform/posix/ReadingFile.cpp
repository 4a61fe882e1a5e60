#include "platform/posix/ReadingFile.h"

#include "platform/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

void refuseUnlessRegular(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        throw IoError(EISDIR);
    }
    if (!S_ISREG(info.st_mode)) {
        throw IoError(IoError::kNotRegularFile);
    }
}

} // namespace

ReadingFile::ReadingFile(const std::string& path) {
    // Looked at first so that a device is never opened at all; the descriptor is looked at
    // again, as the name may have been given to another file in between.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        refuseUnlessRegular(info);
    }
    // Without O_NONBLOCK a FIFO swapped in meanwhile would block the open itself; a regular
    // file reads the same either way.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        throw IoError::fromErrno();
    }
    try {
        if (::fstat(fd_, &info) != 0) {
            throw IoError::fromErrno();
        }
        refuseUnlessRegular(info);
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

ReadingFile::~ReadingFile() {
    ::close(fd_);
}

std::size_t ReadingFile::read(char* buffer, std::size_t capacity) {
    std::size_t got = 0;
    while (got < capacity) {
        const ssize_t count = ::read(fd_, buffer + got, capacity - got);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw IoError::fromErrno();
        }
        got += static_cast<std::size_t>(count);
    }
    return got;
}

void ReadingFile::seek(std::uint64_t offset) {
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) {
        throw IoError::fromErrno();
    }
}

} // namespace harvex2::platform
