#pragma once

#include <string>
#include <vector>

namespace harvex2::platform {

// A mounted volume the user may keep downloads on.
struct Volume {
    std::string mountPoint; // full path, no trailing separator except the root's
    std::string name;       // its label, else what was mounted there
};

// The machine's folders as the directory browser sees them: the volumes, the folders
// inside a folder, and making a new one. Paths are the file system's own bytes.
class LocalFolders {
public:
    virtual ~LocalFolders() = default;
    // Ordered by mount point, the root first.
    virtual std::vector<Volume> volumes() = 0;
    virtual bool isDirectory(const std::string& path) = 0;
    // The names of the folders directly inside `path`, in no particular order, hidden ones
    // left out; none when the folder cannot be read.
    virtual std::vector<std::string> subdirectories(const std::string& path) = 0;
    // One level: the parent must exist. False when the folder was not made.
    virtual bool createDirectory(const std::string& path) = 0;
    virtual std::string workingDirectory() = 0;
};

} // namespace harvex2::platform
