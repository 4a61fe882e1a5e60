#include "core/handoff/UniqueNames.h"

#include "core/handoff/FileNameRule.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

std::string UniqueNames::claim(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::string name = path;
    for (unsigned number = 2; isTaken(name); ++number) {
        name = numbered(path, number);
    }
    given_.insert(name);
    return name;
}

bool UniqueNames::isTaken(const std::string& path) const {
    return given_.contains(path) || (taken_ && taken_(path));
}

UniqueNames::Taken UniqueNames::inFolder(std::string folder) {
    if (folder.find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    return [folder = std::filesystem::path(std::move(folder))](const std::string& path) {
        std::error_code error;
        // A dangling link is taken too: the download would write through it.
        return std::filesystem::exists(std::filesystem::symlink_status(folder / path, error));
    };
}

std::string UniqueNames::numbered(const std::string& path, unsigned number) {
    const std::size_t nameStart = path.rfind('/') + 1;
    const std::string name = path.substr(nameStart);
    const std::size_t dot = name.rfind('.');
    // A leading dot starts a hidden name, not an extension.
    const std::size_t stemEnd = dot == std::string::npos || dot == 0 ? name.size() : dot;
    const std::string suffix = "_" + std::to_string(number);
    const std::string extension = name.substr(stemEnd);
    std::string stem = name.substr(0, stemEnd);
    const std::size_t room = FileNameRule::kMaxBytes -
                             std::min(FileNameRule::kMaxBytes, suffix.size() + extension.size());
    if (stem.size() > room) {
        stem.resize(room);
        // Never leave half a character behind.
        while (!stem.empty() && !FileNameRule::isUtf8(stem)) {
            stem.pop_back();
        }
    }
    return path.substr(0, nameStart) + stem + suffix + extension;
}

} // namespace harvex2::core
