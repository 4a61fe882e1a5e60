#include "core/rules/RulePresets.h"

#include "core/sequence/SequenceProfiles.h"
#include "platform/IoError.h"
#include "platform/posix/AtomicFile.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/ReadingFile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

namespace {

std::string readFile(const std::string& path) {
    platform::ReadingFile file(path);
    std::string text;
    char buffer[65536];
    while (const std::size_t got = file.read(buffer, sizeof buffer)) {
        text.append(buffer, got);
    }
    return text;
}

} // namespace

RulePresets::RulePresets(std::string folder) : folder_(std::move(folder)) {}

std::string RulePresets::userFolder() {
    return platform::FileRegistryStore::defaultFolder() + "/rules";
}

std::optional<std::string> RulePresets::nameProblem(std::string_view name) {
    if (auto problem = SequenceProfiles::nameProblem(name)) {
        return problem;
    }
    if (name.find('/') != std::string_view::npos) {
        return "A preset name cannot contain \"/\".";
    }
    if (name == "." || name == "..") {
        return "A preset name cannot be \".\" or \"..\".";
    }
    return std::nullopt;
}

std::string RulePresets::nameOfFile(std::string_view path) {
    std::string_view name = path.substr(path.find_last_of('/') + 1);
    if (name.ends_with(kExtension)) {
        name.remove_suffix(kExtension.size());
    }
    return std::string(name);
}

std::vector<std::string> RulePresets::names() const {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder_, error)) {
        const std::string file = item.path().filename().string();
        if (file.ends_with(kExtension) && item.is_regular_file(error)) {
            std::string name = file.substr(0, file.size() - kExtension.size());
            if (!nameProblem(name)) {
                found.push_back(std::move(name));
            }
        }
    }
    std::ranges::sort(found);
    return found;
}

std::string RulePresets::load(const std::string& name) const {
    return readFile(pathOf(name));
}

void RulePresets::save(const std::string& name, std::string_view text) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        throw platform::IoError(error.value());
    }
    platform::AtomicFile::replace(pathOf(name), text);
}

bool RulePresets::remove(const std::string& name) const {
    std::error_code error;
    const bool removed = std::filesystem::remove(pathOf(name), error);
    if (error) {
        throw platform::IoError(error.value());
    }
    return removed;
}

void RulePresets::importFile(const std::string& path, const std::string& name) const {
    save(name, readFile(path));
}

void RulePresets::exportTo(const std::string& name, const std::string& path) const {
    platform::AtomicFile::replace(path, load(name));
}

// A name that is no preset name could reach outside the folder.
std::string RulePresets::pathOf(const std::string& name) const {
    if (nameProblem(name)) {
        throw platform::IoError(EINVAL);
    }
    return folder_ + "/" + name + std::string(kExtension);
}

} // namespace harvex2::core
