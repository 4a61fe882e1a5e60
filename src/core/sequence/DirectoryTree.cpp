#include "core/sequence/DirectoryTree.h"

#include "core/sequence/DirectoryPath.h"
#include "platform/AsciiText.h"

#include <algorithm>

namespace harvex2::core {

namespace {

// Letters in either case together, as people look for names; bytes decide ties.
bool listedBefore(const std::string& a, const std::string& b) {
    return platform::AsciiText::lessIgnoringCase(a, b) ||
           (!platform::AsciiText::lessIgnoringCase(b, a) && a < b);
}

} // namespace

DirectoryTree::DirectoryTree(platform::LocalFolders& folders) : folders_(folders) {
    rereadVolumes();
    open(folders_.workingDirectory());
}

std::optional<std::size_t> DirectoryTree::currentVolume() const {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < volumes_.size(); ++i) {
        const std::string& mountPoint = volumes_[i].mountPoint;
        if (DirectoryPath::isWithin(current_, mountPoint) &&
            (!found || mountPoint.size() > volumes_[*found].mountPoint.size())) {
            found = i;
        }
    }
    return found;
}

void DirectoryTree::open(std::string_view path) {
    current_ = nearestDirectory(DirectoryPath::normalised(path));
    if (const auto volume = currentVolume()) {
        lastShown_[volumes_[*volume].mountPoint] = current_;
    }
    const std::vector<std::string> chain = DirectoryPath::chain(current_);
    const std::vector<std::string> inside = sortedSubdirectories();
    chainLength_ = chain.size();
    entries_.clear();
    entries_.reserve(chain.size() + inside.size());
    for (std::size_t depth = 0; depth < chain.size(); ++depth) {
        entries_.push_back({DirectoryPath::name(chain[depth]), chain[depth], depth, true});
    }
    for (const std::string& name : inside) {
        entries_.push_back({name, DirectoryPath::child(current_, name), chain.size(), false});
    }
}

void DirectoryTree::openRow(std::size_t row) {
    if (row < entries_.size()) {
        open(entries_[row].path);
    }
}

void DirectoryTree::openVolume(std::size_t index) {
    if (index >= volumes_.size()) {
        return;
    }
    const std::string& mountPoint = volumes_[index].mountPoint;
    const auto last = lastShown_.find(mountPoint);
    open(last == lastShown_.end() ? mountPoint : last->second);
}

void DirectoryTree::reread() {
    open(current_);
}

void DirectoryTree::rereadVolumes() {
    volumes_ = folders_.volumes();
}

bool DirectoryTree::currentExists() const {
    return folders_.isDirectory(current_);
}

std::string DirectoryTree::nearestDirectory(std::string_view path) const {
    std::string directory(path);
    while (!folders_.isDirectory(directory) && DirectoryPath::parent(directory) != directory) {
        directory = DirectoryPath::parent(directory);
    }
    return directory;
}

std::vector<std::string> DirectoryTree::sortedSubdirectories() const {
    std::vector<std::string> names = folders_.subdirectories(current_);
    std::ranges::sort(names, listedBefore);
    return names;
}

} // namespace harvex2::core
