#include "platform/posix/RegFileStorage.h"

#include "platform/IoError.h"
#include "platform/posix/AtomicFile.h"
#include "platform/posix/FileLock.h"
#include "platform/posix/LinkTarget.h"
#include "platform/posix/RegFileWriter.h"
#include "platform/posix/StoreFileError.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace harvex2::platform {

namespace {

// The store may hold secrets (a download manager's token), so a file that group or others
// could read loses that access when it is read. A file of another owner stays as it is.
void keepToOwner(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 077) != 0) {
        ::fchmod(fd, info.st_mode & 07700);
    }
}

const std::string kSizeLimit = std::to_string(RegFileStorage::kMaxFileSize >> 20) + " MB";

std::string systemReason(int code) {
    return std::generic_category().message(code);
}

// Closes the descriptor however the reading ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

// Creates the folders of `path` that are missing, like mkdir -p.
void makeFoldersOf(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST) {
            continue;
        }
        const int error = errno;
        struct stat info {};
        if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            throw IoError(error);
        }
    }
}

// Reads to the end, but no further than `limit` and one byte.
std::string readAll(int fd, std::size_t expected, std::size_t limit) {
    std::string bytes;
    bytes.reserve(std::min(expected, limit) + 1);
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw IoError::fromErrno();
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
}

} // namespace

RegFileStorage::RegFileStorage(Hive hive, std::string path, std::chrono::milliseconds lockWait)
    : hive_(hive), path_(std::move(path)), lockWait_(lockWait) {}

const RegKey& RegFileStorage::current() {
    const FileStamp now = FileStamp::ofPath(path_);
    if (loaded_ && now == cachedStamp_) {
        return cached_.root;
    }
    try {
        load();
    } catch (const StoreFileError&) {
    } catch (const std::bad_alloc&) {
    }
    if (!loaded_) {
        // Read as empty until the file changes: trying again at every value would read a
        // file that could not be held in memory over and over.
        cachedStamp_ = now;
        loaded_ = true;
    }
    return cached_.root;
}

void RegFileStorage::update(const std::function<bool(RegKey&)>& change) {
    const std::string target = LinkTarget::resolve(path_);
    guarded(target, [&] {
        if (groupDepth_ > 0 && !groupBroken_) {
            if (!groupLock_) {
                lock(groupLock_, target);
            }
            groupDirty_ |= applyChange(change);
            return;
        }
        std::optional<FileLock> held;
        lock(held, target);
        if (applyChange(change)) {
            writeBack(target);
        }
    });
}

void RegFileStorage::beginGroup() {
    ++groupDepth_;
}

void RegFileStorage::endGroup() {
    if (--groupDepth_ > 0) {
        return;
    }
    const bool write = groupDirty_ && !groupBroken_;
    groupDirty_ = false;
    groupBroken_ = false;
    const std::string target = LinkTarget::resolve(path_);
    guarded(target, [&] {
        if (write) {
            writeBack(target);
        }
    });
    groupLock_.reset();
}

std::vector<std::string> RegFileStorage::takeNotices() {
    return std::exchange(notices_, {});
}

RegFileStorage::Snapshot RegFileStorage::readFile() {
    const FileStamp seen = FileStamp::ofPath(path_);
    if (seen.exists() && !seen.regular) {
        // Opening a FIFO waits for a writer, and opening a device may act on it.
        return {{}, seen};
    }
    const Descriptor file{::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0 && errno == ENOENT) {
        return {};
    }
    try {
        if (file.fd < 0) {
            throw IoError::fromErrno();
        }
        // Before the stamp is taken: the change must not look like another writer's.
        keepToOwner(file.fd);
        Snapshot snapshot{{}, FileStamp::ofDescriptor(file.fd)};
        if (!snapshot.stamp.regular) {
            return snapshot;
        }
        if (snapshot.stamp.size > kMaxFileSize) {
            refuseTooLarge();
        }
        const auto limit = static_cast<std::size_t>(kMaxFileSize);
        snapshot.bytes = readAll(file.fd, static_cast<std::size_t>(snapshot.stamp.size), limit);
        if (snapshot.bytes.size() > limit) {
            refuseTooLarge();
        }
        return snapshot;
    } catch (const IoError& error) {
        throw StoreFileError(path_, systemReason(error.code()));
    }
}

void RegFileStorage::load() {
    forget();
    const Snapshot snapshot = readFile();
    cached_ = RegFileParser::parse(snapshot.bytes, hive_);
    cached_.damaged |= snapshot.stamp.exists() && !snapshot.stamp.regular;
    cachedStamp_ = snapshot.stamp;
    loaded_ = true;
    faithful_ = true;
}

void RegFileStorage::forget() {
    cached_ = ParsedRegFile{RegKey(), false};
    loaded_ = false;
    faithful_ = false;
}

// Once the wait has run out, the program goes on without the file: later changes try the
// lock without waiting until one of them gets it.
void RegFileStorage::lock(std::optional<FileLock>& slot, const std::string& target) {
    makeFoldersOf(path_);
    makeFoldersOf(target);
    slot.emplace(path_ + ".lock", lockGivenUp_ ? std::chrono::milliseconds(0) : lockWait_);
    lockGivenUp_ = false;
}

// Runs `work` and turns what went wrong into a StoreFileError about `target`. A failure
// leaves nothing behind: the copy in memory is read again, and a group in progress lets go
// of the lock and writes nothing.
void RegFileStorage::guarded(const std::string& target, const std::function<void()>& work) {
    try {
        work();
    } catch (const IoError& error) {
        abandon();
        // Only the lock reports a wait that ran out.
        if (error.code() == EWOULDBLOCK) {
            lockGivenUp_ = true;
            notice(toldLocked_, "Another program holds the lock on the settings file\n" + path_ +
                                    "\nHarvex2 goes on without saving to it while the lock "
                                    "is held.");
            throw StoreFileError(path_, "locked by another program");
        }
        throw StoreFileError(target, systemReason(error.code()));
    } catch (const std::bad_alloc&) {
        abandon();
        throw StoreFileError(target, systemReason(ENOMEM));
    } catch (...) {
        abandon();
        throw;
    }
}

void RegFileStorage::abandon() {
    forget();
    groupBroken_ = groupDepth_ > 0;
    groupLock_.reset();
}

// Runs under the lock: the file can change between the check and the write only by a
// program that ignores the lock.
bool RegFileStorage::applyChange(const std::function<bool(RegKey&)>& change) {
    if (!faithful_ || FileStamp::ofPath(path_) != cachedStamp_) {
        load();
    }
    return change(cached_.root);
}

void RegFileStorage::writeBack(const std::string& target) {
    if (!faithful_ || FileStamp::ofPath(path_) != cachedStamp_) {
        // Changed meanwhile by a program that ignores the lock: its file is not overwritten
        // by a copy that no longer stands for it.
        throw StoreFileError(path_, "changed by another program meanwhile");
    }
    // A link to a FIFO or a device is replaced itself: never the device.
    const bool special = cachedStamp_.exists() && !cachedStamp_.regular;
    if (cached_.damaged) {
        keepAside();
    }
    const auto size = static_cast<std::size_t>(std::max<off_t>(cachedStamp_.size, 0));
    AtomicFile::replace(special ? path_ : target,
                        RegFileWriter::write(cached_.root, hive_, size + size / 8));
    cached_.damaged = false;
    cachedStamp_ = FileStamp::ofPath(path_);
}

void RegFileStorage::keepAside() {
    const std::string copy = path_ + ".damaged";
    if (cachedStamp_.regular) {
        AtomicFile::replace(copy, readFile().bytes);
        return;
    }
    // A FIFO or a device holds no bytes to copy: its entry itself is kept under the damaged
    // name. Where that cannot be done nothing is lost.
    ::unlink(copy.c_str());
    ::link(path_.c_str(), copy.c_str());
}

void RegFileStorage::refuseTooLarge() {
    notice(toldTooLarge_, "The settings file\n" + path_ + "\nis larger than " + kSizeLimit +
                              ". Harvex2 goes on with its default settings and leaves the "
                              "file as it is.");
    throw StoreFileError(path_, "larger than " + kSizeLimit);
}

void RegFileStorage::notice(bool& told, std::string text) {
    if (!told) {
        told = true;
        notices_.push_back(std::move(text));
    }
}

} // namespace harvex2::platform
