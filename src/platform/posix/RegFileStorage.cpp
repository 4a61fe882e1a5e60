#include "platform/posix/RegFileStorage.h"

#include "platform/IoError.h"
#include "platform/posix/AtomicFile.h"
#include "platform/posix/FileLock.h"
#include "platform/posix/RegFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace harvex2::platform {

namespace {

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

std::string readAll(int fd) {
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw IoError::fromErrno();
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

RegFileStorage::RegFileStorage(Hive hive, std::string path) : hive_(hive), path_(std::move(path)) {}

const RegKey& RegFileStorage::current() {
    if (!loaded_ || FileStamp::ofPath(path_) != cachedStamp_) {
        return reloaded();
    }
    return cached_.root;
}

const RegKey& RegFileStorage::reloaded() {
    try {
        adopt(readFile());
    } catch (const IoError&) {
        adopt(Snapshot{});
    }
    return cached_.root;
}

void RegFileStorage::update(const std::function<bool(RegKey&)>& change) {
    makeFoldersOf(path_);
    FileLock lock(path_ + ".lock");
    const Snapshot onDisk = readFile();
    ParsedRegFile hive = RegFileParser::parse(onDisk.bytes, hive_);
    if (!change(hive.root)) {
        return;
    }
    if (hive.damaged) {
        AtomicFile::replace(path_ + ".damaged", onDisk.bytes);
    }
    AtomicFile::replace(path_, RegFileWriter::write(hive.root, hive_));
    cached_ = ParsedRegFile{std::move(hive.root), false};
    cachedStamp_ = FileStamp::ofPath(path_);
    loaded_ = true;
}

RegFileStorage::Snapshot RegFileStorage::readFile() const {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        return {};
    }
    if (fd < 0) {
        throw IoError::fromErrno();
    }
    Snapshot snapshot;
    try {
        snapshot.stamp = FileStamp::ofDescriptor(fd);
        snapshot.bytes = readAll(fd);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return snapshot;
}

void RegFileStorage::adopt(const Snapshot& snapshot) {
    cached_ = RegFileParser::parse(snapshot.bytes, hive_);
    cachedStamp_ = snapshot.stamp;
    loaded_ = true;
}

} // namespace harvex2::platform
