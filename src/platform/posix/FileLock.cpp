#include "platform/posix/FileLock.h"

#include "platform/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace harvex2::platform {

FileLock::FileLock(const std::string& path)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
    if (fd_ < 0) {
        throw IoError::fromErrno();
    }
    int result = 0;
    do {
        result = ::flock(fd_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const IoError error = IoError::fromErrno();
        ::close(fd_);
        throw error;
    }
}

FileLock::~FileLock() {
    ::close(fd_);
}

} // namespace harvex2::platform
