#include "platform/posix/AppendOnlyFile.h"

#include "platform/IoError.h"
#include "platform/posix/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

AppendOnlyFile::AppendOnlyFile(std::string path, std::string lockPath,
                               std::chrono::milliseconds lockWait, std::string tornMark)
    : path_(std::move(path)), lockPath_(std::move(lockPath)), lockWait_(lockWait),
      tornMark_(std::move(tornMark)) {}

AppendOnlyFile::~AppendOnlyFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void AppendOnlyFile::appendLine(std::string_view line) {
    std::string bytes;
    bytes.reserve(line.size() + tornMark_.size() + 2);
    bytes += line;
    bytes += '\n';
    {
        const FileLock shared(lockPath_, lockWait_, FileLock::Kind::Shared);
        openCurrent();
        if (!endsMidLine()) {
            writeAll(bytes);
            return;
        }
    }
    // The end seen may be another copy's line on its way; with the lock held exclusively no
    // write is under way, and a line still unended is one a writer left.
    const FileLock exclusive(lockPath_, lockWait_);
    openCurrent();
    if (endsMidLine()) {
        bytes.insert(0, tornMark_ + '\n');
    }
    writeAll(bytes);
}

void AppendOnlyFile::openCurrent() {
    struct stat atPath {};
    struct stat open {};
    if (fd_ >= 0 && ::stat(path_.c_str(), &atPath) == 0 && ::fstat(fd_, &open) == 0 &&
        atPath.st_dev == open.st_dev && atPath.st_ino == open.st_ino) {
        return;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    // Read too, to see how the file ends. O_NONBLOCK: a FIFO put in the file's place does
    // not hold the open; it is refused below either way.
    const int fd =
        ::open(path_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        throw IoError::fromErrno();
    }
    if (::fstat(fd, &open) != 0 || !S_ISREG(open.st_mode)) {
        const int error = S_ISREG(open.st_mode) ? errno : IoError::kNotRegularFile;
        ::close(fd);
        throw IoError(error);
    }
    fd_ = fd;
}

bool AppendOnlyFile::endsMidLine() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        throw IoError::fromErrno();
    }
    char last = '\n';
    return info.st_size > 0 && ::pread(fd_, &last, 1, info.st_size - 1) == 1 && last != '\n';
}

void AppendOnlyFile::writeAll(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd_, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw IoError::fromErrno();
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

} // namespace harvex2::platform
