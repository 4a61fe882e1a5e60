#pragma once

#include <functional>
#include <string>
#include <unordered_set>

namespace harvex2::core {

// Hands out the names of one batch so that none is given twice and none names a file
// already in the folder: a name taken gets "_2", "_3" ... before its extension.
class UniqueNames {
public:
    // Whether a relative path names something already in the download folder.
    using Taken = std::function<bool(const std::string& path)>;

    explicit UniqueNames(Taken taken = {}) : taken_(std::move(taken)) {}

    // The name to use for `path`, remembered as given. An empty path is no name and is
    // returned as it is.
    std::string claim(const std::string& path);

    // Whether `path` exists below `folder` on this machine; nothing is taken without a
    // folder.
    static Taken inFolder(std::string folder);
    // `path` with "_N" before the extension of its last segment, cut to stay a usable name.
    static std::string numbered(const std::string& path, unsigned number);

private:
    bool isTaken(const std::string& path) const;

    Taken taken_;
    std::unordered_set<std::string> given_;
};

} // namespace harvex2::core
