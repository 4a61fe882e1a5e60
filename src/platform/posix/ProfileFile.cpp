#include "platform/ProfileFile.h"

#include "platform/ProfileFileText.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace harvex2::platform {

namespace {

// A link in the place of the file fails to open; so does a FIFO, without waiting for a
// writer, once its type is looked at.
constexpr int kOpenFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// A copy that holds the lock longer than one rewrite takes has hung; the file is then left
// alone rather than waited for without end.
constexpr auto kLockPatience = std::chrono::seconds(10);
constexpr auto kLongestPause = std::chrono::milliseconds(10);

// Waits with growing pauses rather than blocking, so that the wait has an end.
bool lock(int fd, short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    std::chrono::microseconds pause(50);
    while (::fcntl(fd, F_SETLK, &range) != 0) {
        const bool held = errno == EACCES || errno == EAGAIN || errno == EINTR;
        if (!held || std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::microseconds>(pause * 2, kLongestPause);
    }
    return true;
}

// Reads from `offset` to the end. A short read of a plain file is its end: should another
// program be adding to it just then, what it adds counts as added after the read.
bool readFrom(int fd, off_t offset, std::string& bytes) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        offset += got;
        if (static_cast<std::size_t>(got) < sizeof buffer) {
            return true;
        }
    }
}

bool writeAt(int fd, std::string_view bytes) {
    off_t offset = 0;
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// `bytes` over the file, which is `length` bytes long; only a shorter text needs a cut.
bool writeOver(int fd, std::string_view bytes, std::size_t length) {
    return writeAt(fd, bytes) &&
           (bytes.size() >= length || ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0);
}

// The bytes of a plain file, read under a shared lock; nullopt when there is no such file
// or it cannot be read.
std::optional<std::string> contents(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | kOpenFlags);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::string bytes;
    const bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && lock(fd, F_RDLCK) &&
                      readFrom(fd, 0, bytes);
    ::close(fd);
    return read ? std::optional<std::string>(std::move(bytes)) : std::nullopt;
}

// The file opened for reading and writing, made when missing (`made` tells); -1 when it
// cannot be opened.
int openForWriting(const std::string& path, bool& made) {
    for (;;) {
        made = false;
        const int fd = ::open(path.c_str(), O_RDWR | kOpenFlags);
        if (fd >= 0 || errno != ENOENT) {
            return fd;
        }
        made = true;
        const int fresh = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666);
        if (fresh >= 0 || errno != EEXIST) {
            return fresh;
        }
        // Another program made it in between: write into theirs.
    }
}

enum class Update { Done, Failed, Gone };

// Reads the open file under its lock and writes it back with the key set, in place, as the
// desktop's profile functions do: measured on ext4, writing a temporary file and renaming it
// costs two and a half times as much. Bytes that a program which does not lock added after
// the read go behind the new text, so nothing that was not read is cut. A write that fails
// half-way (a full disk) puts the old text back, or removes the file when it made it. Gone:
// such a removal happened while this write waited for the lock.
Update update(int fd, bool made, const std::string& path, std::string_view section,
              std::string_view key, std::string_view value) {
    struct stat info {};
    if (!lock(fd, F_WRLCK) || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return Update::Failed;
    }
    if (info.st_nlink == 0) {
        return Update::Gone;
    }
    std::string old;
    if (!readFrom(fd, 0, old)) {
        return Update::Failed;
    }
    std::string bytes = ProfileFileText::withValue(old, section, key, value);
    std::string added;
    if (!readFrom(fd, static_cast<off_t>(old.size()), added)) {
        return Update::Failed;
    }
    old += added;
    bytes += added;
    if (writeOver(fd, bytes, old.size())) {
        return Update::Done;
    }
    // The failed write may have made the file longer than the old text.
    if (made) {
        ::unlink(path.c_str());
    } else {
        writeOver(fd, old, std::string::npos);
    }
    return Update::Failed;
}

} // namespace

std::string ProfileFile::read(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    const auto bytes = contents(path_);
    const auto value = bytes ? ProfileFileText::find(*bytes, section, key) : std::nullopt;
    std::string result = value ? *value : std::string(fallback);
    if (result.size() > kMaxValueLength) {
        result.resize(kMaxValueLength);
    }
    return result;
}

bool ProfileFile::write(std::string_view section, std::string_view key,
                        std::string_view value) const {
    if (!ProfileFileText::canCarry(section, key, value)) {
        return false;
    }
    for (;;) {
        bool made = false;
        const int fd = openForWriting(path_, made);
        if (fd < 0) {
            return false;
        }
        const Update outcome = update(fd, made, path_, section, key, value);
        const bool closed = ::close(fd) == 0;
        if (outcome != Update::Gone) {
            return outcome == Update::Done && closed;
        }
    }
}

ProfileFile::Creation ProfileFile::create(std::string_view section, std::string_view key,
                                          std::string_view value) const {
    if (!ProfileFileText::canCarry(section, key, value)) {
        return Creation::Failed;
    }
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | kOpenFlags, 0666);
    if (fd < 0) {
        return errno == EEXIST ? Creation::Exists : Creation::Failed;
    }
    const Update outcome = update(fd, true, path_, section, key, value);
    const bool closed = ::close(fd) == 0;
    return outcome == Update::Done && closed ? Creation::Created : Creation::Failed;
}

} // namespace harvex2::platform
