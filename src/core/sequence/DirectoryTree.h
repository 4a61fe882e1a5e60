#pragma once

#include "platform/LocalFolders.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// One line of the directory list.
struct DirectoryEntry {
    std::string name;
    std::string path;
    std::size_t depth = 0; // steps below the root
    bool opened = false;   // on the way down to the current directory, else inside it
};

// What the directory browser shows: the current directory with the way down to it from
// the root and the folders inside it, and the volumes it can switch between. Each volume
// remembers the directory last shown on it.
class DirectoryTree {
public:
    // Starts in the program's working directory.
    explicit DirectoryTree(platform::LocalFolders& folders);

    const std::string& current() const { return current_; }
    const std::vector<DirectoryEntry>& entries() const { return entries_; }
    // The row of the current directory: the last of the way down.
    std::size_t currentRow() const { return chainLength_ - 1; }
    const std::vector<platform::Volume>& volumes() const { return volumes_; }
    // The volume holding the current directory (the longest mount point it lies within).
    std::optional<std::size_t> currentVolume() const;

    // Makes `path` current, or, when it is not (or no longer) a directory, the nearest
    // directory above it.
    void open(std::string_view path);
    void openRow(std::size_t row);
    // The directory last shown on the volume, at first its mount point.
    void openVolume(std::size_t index);
    // Reads the folders again; a current directory that has gone gives way as in open().
    void reread();
    void rereadVolumes();
    bool currentExists() const;

private:
    std::string nearestDirectory(std::string_view path) const;
    std::vector<std::string> sortedSubdirectories() const;

    platform::LocalFolders& folders_;
    std::string current_;
    std::size_t chainLength_ = 1;
    std::vector<DirectoryEntry> entries_;
    std::vector<platform::Volume> volumes_;
    std::map<std::string, std::string> lastShown_; // by mount point
};

} // namespace harvex2::core
