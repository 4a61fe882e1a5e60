#include "platform/posix/AtomicFile.h"

#include "platform/IoError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

void check(bool ok) {
    if (!ok) {
        throw IoError::fromErrno();
    }
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        check(written > 0);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// The stores hold secrets (a download manager's token): whatever the file allowed before,
// group and others lose their access.
void keepOwnerPermissions(int fd, const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        check(::fchmod(fd, old.st_mode & 07700) == 0);
    }
}

void writeTemporary(const std::string& temporary, const std::string& path, std::string_view bytes) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    check(fd >= 0);
    try {
        keepOwnerPermissions(fd, path);
        // No fsync: the rename alone keeps a crashed writer from leaving a half-written
        // store, and a flush per value made handing over a list of jobs (one counter write
        // each) wait on the disk for milliseconds per link.
        writeAll(fd, bytes);
    } catch (...) {
        ::close(fd);
        throw;
    }
    check(::close(fd) == 0);
}

} // namespace

void AtomicFile::replace(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    ::unlink(temporary.c_str());
    try {
        writeTemporary(temporary, path, bytes);
        check(::rename(temporary.c_str(), path.c_str()) == 0);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }
}

} // namespace harvex2::platform
