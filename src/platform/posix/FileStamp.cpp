#include "platform/posix/FileStamp.h"

#include "platform/IoError.h"

#include <sys/stat.h>

namespace harvex2::platform {

namespace {

constexpr long long kNanosPerSecond = 1000000000LL;

long long nanos(const timespec& time) {
    return static_cast<long long>(time.tv_sec) * kNanosPerSecond + time.tv_nsec;
}

FileStamp stampOf(const struct stat& info) {
    return {info.st_dev,         info.st_ino,         info.st_size,
            nanos(info.st_mtim), nanos(info.st_ctim), S_ISREG(info.st_mode)};
}

} // namespace

FileStamp FileStamp::ofPath(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? stampOf(info) : FileStamp{};
}

FileStamp FileStamp::ofDescriptor(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw IoError::fromErrno();
    }
    return stampOf(info);
}

} // namespace harvex2::platform
