#include "platform/posix/TemporaryFile.h"

#include "platform/IoError.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

constexpr std::string_view kSuffix = ".tmp";

void check(bool ok) {
    if (!ok) {
        throw IoError::fromErrno();
    }
}

std::string folderOf(const std::string& target) {
    const std::string folder = std::filesystem::path(target).parent_path().string();
    return folder.empty() ? "." : folder;
}

// The process id in a name "<base>.<id>.tmp"; 0 for any other name.
pid_t writerOf(std::string_view name, std::string_view base) {
    if (!name.starts_with(base) || !name.ends_with(kSuffix) ||
        name.size() <= base.size() + 1 + kSuffix.size() || name[base.size()] != '.') {
        return 0;
    }
    const std::string_view digits =
        name.substr(base.size() + 1, name.size() - base.size() - 1 - kSuffix.size());
    pid_t id = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
    return error == std::errc() && end == digits.data() + digits.size() ? id : 0;
}

// Temporary files of this target whose writer is gone; one of a running process, even of
// another user, is that process's to finish.
void removeLeftovers(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string base = std::filesystem::path(target).filename().string();
    DIR* entries = ::opendir(folder.c_str());
    if (!entries) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const pid_t writer = writerOf(entry->d_name, base);
        if (writer > 0 && writer != ::getpid() && ::kill(writer, 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

} // namespace

TemporaryFile::TemporaryFile(const std::string& target)
    : target_(target), path_(target + "." + std::to_string(::getpid()) + std::string(kSuffix)) {
    removeLeftovers(target_);
    // One of this id is a dead process's whose id came round again.
    ::unlink(path_.c_str());
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    check(fd_ >= 0);
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
}

void TemporaryFile::keepOwner(const struct stat& replaced) {
    if (::fchown(fd_, replaced.st_uid, replaced.st_gid) != 0 && errno != EPERM) {
        throw IoError::fromErrno();
    }
}

void TemporaryFile::setMode(mode_t mode) {
    check(::fchmod(fd_, mode) == 0);
}

void TemporaryFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        check(written > 0);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TemporaryFile::commit() {
    check(::fsync(fd_) == 0);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(path_.c_str(), target_.c_str()) != 0) {
        const IoError error = IoError::fromErrno();
        ::unlink(path_.c_str());
        throw error;
    }
    // The new file is in place whatever follows; a folder that cannot be flushed (some
    // file systems refuse it) only leaves its entry to the system's own time.
    const int folder = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

} // namespace harvex2::platform
