#pragma once

#include "platform/LocalFolders.h"

#include <string>

namespace harvex2::platform {

// The folders of this machine through the POSIX file system calls; the volumes come from
// the kernel's table of mounts, their names from the device manager's labels.
class PosixLocalFolders : public LocalFolders {
public:
    explicit PosixLocalFolders(std::string mountsFile = "/proc/self/mounts",
                               std::string labelsFolder = "/dev/disk/by-label");

    std::vector<Volume> volumes() override;
    bool isDirectory(const std::string& path) override;
    std::vector<std::string> subdirectories(const std::string& path) override;
    bool createDirectory(const std::string& path) override;
    std::string workingDirectory() override;

private:
    std::string mountsFile_;
    std::string labelsFolder_;
};

} // namespace harvex2::platform
