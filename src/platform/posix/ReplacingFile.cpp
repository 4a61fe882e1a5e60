#include "platform/posix/ReplacingFile.h"

#include "platform/IoError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

void check(bool ok) {
    if (!ok) {
        throw IoError::fromErrno();
    }
}

// A link is followed so that the file it names gets the new contents and the link stays.
std::string resolvedTarget(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A replaced file keeps its permissions; one that may not be written is refused, as
// opening it for writing would be, rather than renamed over.
mode_t targetMode(const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) {
        return newFileMode();
    }
    if (S_ISDIR(old.st_mode)) {
        throw IoError(EISDIR);
    }
    check(::access(target.c_str(), W_OK) == 0);
    return old.st_mode & 07777;
}

} // namespace

ReplacingFile::ReplacingFile(const std::string& path) : target_(resolvedTarget(path)) {
    if (path.empty()) {
        throw IoError(ENOENT);
    }
    const mode_t mode = targetMode(target_);
    temporary_ = target_ + ".XXXXXX";
    fd_ = ::mkstemp(temporary_.data());
    check(fd_ >= 0);
    if (::fchmod(fd_, mode) != 0) {
        const IoError error = IoError::fromErrno();
        ::close(fd_);
        ::unlink(temporary_.c_str());
        throw error;
    }
    pending_.reserve(kFlushSize * 2);
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

void ReplacingFile::write(std::string_view bytes) {
    pending_.append(bytes);
    if (pending_.size() >= kFlushSize) {
        flush();
    }
}

void ReplacingFile::flush() {
    std::string_view rest = pending_;
    while (!rest.empty()) {
        const ssize_t written = ::write(fd_, rest.data(), rest.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        check(written > 0);
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    pending_.clear();
}

void ReplacingFile::commit() {
    flush();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const IoError error = IoError::fromErrno();
        ::unlink(temporary_.c_str());
        throw error;
    }
}

} // namespace harvex2::platform
