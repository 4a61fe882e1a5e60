#include "platform/ProfileFile.h"

#include "platform/ProfileFileText.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

bool canCarry(std::string_view section, std::string_view key, std::string_view value) {
    const auto oneLine = [](std::string_view text) {
        return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    return oneLine(section) && oneLine(key) && oneLine(value) && !key.empty() &&
           key.find('=') == std::string_view::npos && section.find(']') == std::string_view::npos;
}

// The file's bytes; empty for a missing file, nullopt when it exists but cannot be read.
std::optional<std::string> contents(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A write-protected file stays unwritten, as it would be if rewritten in place; a
// replaced file keeps its permissions.
bool fileAccepts(const std::string& path, int fd) {
    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        return errno == ENOENT;
    }
    return ::access(path.c_str(), W_OK) == 0 && ::fchmod(fd, old.st_mode & 07777) == 0;
}

// The new text goes to a temporary file beside the target and is renamed over it, so a
// program reading the file meanwhile sees the old or the new text, never a part of one, and
// a failed write leaves the old text. No flush to disk: the desktop's profile functions
// promise no durability either, and a job costs several writes.
bool replace(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + "." + std::to_string(::getpid()) + ".tmp";
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written = fileAccepts(path, fd) && writeAll(fd, bytes);
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

} // namespace

std::string ProfileFile::read(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    const auto text = contents(path_);
    const auto value = text ? ProfileFileText::find(*text, section, key) : std::nullopt;
    std::string result = value ? *value : std::string(fallback);
    if (result.size() > kMaxValueLength) {
        result.resize(kMaxValueLength);
    }
    return result;
}

bool ProfileFile::write(std::string_view section, std::string_view key,
                        std::string_view value) const {
    if (!canCarry(section, key, value)) {
        return false;
    }
    const auto text = contents(path_);
    return text && replace(path_, ProfileFileText::withValue(*text, section, key, value));
}

} // namespace harvex2::platform
