#include "platform/posix/FileLock.h"

#include "platform/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace harvex2::platform {

namespace {
// Short against a write of the store, which holds the lock for milliseconds.
constexpr std::chrono::milliseconds kRetryEvery{5};
} // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait, Kind kind)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
    if (fd_ < 0) {
        throw IoError::fromErrno();
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const int operation = kind == Kind::Shared ? LOCK_SH : LOCK_EX;
    while (::flock(fd_, operation | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) {
            continue;
        }
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            ::close(fd_);
            throw IoError(error);
        }
        std::this_thread::sleep_for(kRetryEvery);
    }
}

FileLock::~FileLock() {
    ::close(fd_);
}

} // namespace harvex2::platform
