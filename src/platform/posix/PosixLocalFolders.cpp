#include "platform/posix/PosixLocalFolders.h"

#include "platform/posix/MountTable.h"
#include "platform/posix/VolumeLabels.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <utility>

namespace harvex2::platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kRoot = "/";
constexpr std::string_view kDevices = "/dev/";

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string nameOf(const MountEntry& entry, const std::map<std::string, std::string>& labels) {
    std::error_code unresolved;
    const fs::path device = fs::canonical(entry.source, unresolved);
    if (!unresolved) {
        if (const auto label = labels.find(device.string()); label != labels.end()) {
            return label->second;
        }
    }
    if (entry.source.starts_with(kDevices)) {
        return fs::path(entry.source).filename().string();
    }
    return entry.source;
}

} // namespace

PosixLocalFolders::PosixLocalFolders(std::string mountsFile, std::string labelsFolder)
    : mountsFile_(std::move(mountsFile)), labelsFolder_(std::move(labelsFolder)) {}

// A mount point mounted over again shows only the last file system; a file mounted over a
// file (as containers do) is no place for folders.
std::vector<Volume> PosixLocalFolders::volumes() {
    const auto labels = VolumeLabels::read(labelsFolder_);
    std::map<std::string, Volume> byMountPoint;
    for (const MountEntry& entry : MountTable::parse(readAll(mountsFile_))) {
        if (!MountTable::isSystemMount(entry) && isDirectory(entry.mountPoint)) {
            byMountPoint[entry.mountPoint] = {entry.mountPoint, nameOf(entry, labels)};
        }
    }
    byMountPoint.try_emplace(kRoot, Volume{kRoot, {}});
    std::vector<Volume> volumes;
    volumes.reserve(byMountPoint.size());
    for (auto& [mountPoint, volume] : byMountPoint) {
        volumes.push_back(std::move(volume));
    }
    return volumes;
}

bool PosixLocalFolders::isDirectory(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> PosixLocalFolders::subdirectories(const std::string& path) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code unreadable;
        if (!name.starts_with('.') && it->is_directory(unreadable)) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

bool PosixLocalFolders::createDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

std::string PosixLocalFolders::workingDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string(kRoot) : current.string();
}

} // namespace harvex2::platform
