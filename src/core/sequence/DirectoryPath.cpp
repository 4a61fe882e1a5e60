#include "core/sequence/DirectoryPath.h"

namespace harvex2::core {

namespace {

constexpr char kSep = DirectoryPath::kSeparator;

bool isRoot(std::string_view path) {
    return path.size() == 1 && path.front() == kSep;
}

} // namespace

std::string DirectoryPath::normalised(std::string_view path) {
    std::string result;
    for (const char c : path) {
        if (c != kSep || result.empty() || result.back() != kSep) {
            result += c;
        }
    }
    if (result.size() > 1 && result.back() == kSep) {
        result.pop_back();
    }
    return result;
}

std::string DirectoryPath::parent(std::string_view path) {
    const std::size_t last = path.rfind(kSep);
    if (last == std::string_view::npos || isRoot(path)) {
        return std::string(path);
    }
    return std::string(path.substr(0, last == 0 ? 1 : last));
}

std::string DirectoryPath::child(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (path.empty() || path.back() != kSep) {
        path += kSep;
    }
    return path += name;
}

std::vector<std::string> DirectoryPath::chain(std::string_view path) {
    std::vector<std::string> directories;
    for (std::string step(path);; step = parent(step)) {
        directories.insert(directories.begin(), step);
        if (parent(step) == step) {
            return directories;
        }
    }
}

std::string DirectoryPath::name(std::string_view path) {
    if (isRoot(path)) {
        return std::string(path);
    }
    const std::size_t last = path.rfind(kSep);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

bool DirectoryPath::isWithin(std::string_view path, std::string_view folder) {
    if (!path.starts_with(folder)) {
        return false;
    }
    return path.size() == folder.size() || isRoot(folder) || path[folder.size()] == kSep;
}

std::string DirectoryPath::newDirectory(std::string_view createIn, std::string_view name) {
    if (name.starts_with(kSep)) {
        name.remove_prefix(1);
    }
    return child(createIn, name);
}

} // namespace harvex2::core
