#include "platform/posix/ReplacingFile.h"

#include "platform/IoError.h"
#include "platform/posix/LinkTarget.h"
#include "platform/posix/TemporaryFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool isLink(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Only a regular file of one name is replaced: renaming over a FIFO or a device would put
// a plain file in its place (as root, /dev/null), and over a file of several names would
// part it from the others. One that may not be written is refused, as opening it for
// writing would be.
void refuseUnlessReplaceable(const std::string& target, const struct stat& old) {
    if (S_ISLNK(old.st_mode)) {
        throw IoError(ELOOP);
    }
    if (S_ISDIR(old.st_mode)) {
        throw IoError(EISDIR);
    }
    if (!S_ISREG(old.st_mode)) {
        throw IoError(IoError::kNotRegularFile);
    }
    if (old.st_nlink > 1) {
        throw IoError(IoError::kHardLinked);
    }
    if (::access(target.c_str(), W_OK) != 0) {
        throw IoError::fromErrno();
    }
}

} // namespace

ReplacingFile::ReplacingFile(const std::string& path) : target_(LinkTarget::resolve(path)) {
    if (path.empty()) {
        throw IoError(ENOENT);
    }
    struct stat old {};
    const bool replaces = ::lstat(target_.c_str(), &old) == 0;
    if (replaces) {
        refuseUnlessReplaceable(target_, old);
    } else if (isLink(path)) {
        // Creating the file the link names would write where the user never looked.
        throw IoError(IoError::kDanglingLink);
    }
    file_ = std::make_unique<TemporaryFile>(target_);
    if (replaces) {
        file_->keepOwner(old);
    }
    // After the owner: a change of owner may clear the set-id bits.
    file_->setMode(replaces ? old.st_mode & 07777 : newFileMode());
    pending_.reserve(kFlushSize * 2);
}

ReplacingFile::~ReplacingFile() = default;

void ReplacingFile::write(std::string_view bytes) {
    if (bytes.size() >= kFlushSize) {
        // Gathered already: copied once more, they would only be written later.
        flush();
        file_->write(bytes);
        return;
    }
    pending_.append(bytes);
    if (pending_.size() >= kFlushSize) {
        flush();
    }
}

void ReplacingFile::flush() {
    if (pending_.empty()) {
        return;
    }
    file_->write(pending_);
    pending_.clear();
}

void ReplacingFile::commit() {
    flush();
    file_->commit();
}

} // namespace harvex2::platform
