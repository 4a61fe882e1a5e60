#include "core/handoff/NetVampireContract.h"

#include "platform/AsciiText.h"
#include "platform/KeyHandle.h"
#include "platform/RegistryStore.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace harvex2::core {

namespace {

namespace fs = std::filesystem;

bool isFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The executable in `folder`. Net Vampire comes from a desktop whose file names ignore
// letter case, so "Vampire.exe" counts as well.
std::optional<std::string> executableIn(const std::string& folder) {
    const std::string exact = NetVampireContract::join(folder, NetVampireContract::kExecutableName);
    if (isFile(exact)) {
        return exact;
    }
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (platform::AsciiText::equalsIgnoringCase(name, NetVampireContract::kExecutableName) &&
            isFile(entry.path().string())) {
            return entry.path().string();
        }
    }
    return std::nullopt;
}

// Everything up to and including the last separator.
std::string folderOf(const std::string& path) {
    const auto last = std::find_if(path.rbegin(), path.rend(), NetVampireContract::isSeparator);
    return std::string(path.begin(), last.base());
}

std::string dataFolderIn(const std::string& folder) {
    return NetVampireContract::join(folder, NetVampireContract::kDataFolderName) +
           NetVampireContract::kSeparator;
}

struct JobKind {
    std::string_view folder;
    std::string_view extension;
};

constexpr std::array<JobKind, NetVampireContract::kJobKinds> kKinds{
    {{"Jobs", "nvj"}, {"Partial", "nvp"}, {"Sites", "nvs"}, {"State", "nvc"}}};

} // namespace

std::optional<NetVampireLocation> NetVampireContract::locate(const std::string& recorded) {
    if (recorded.empty()) {
        return std::nullopt;
    }
    if (isFile(recorded)) {
        return NetVampireLocation{recorded, dataFolderIn(folderOf(recorded))};
    }
    if (!isFolder(recorded)) {
        return std::nullopt;
    }
    const auto executable = executableIn(recorded);
    if (!executable) {
        return std::nullopt;
    }
    return NetVampireLocation{*executable, dataFolderIn(recorded)};
}

std::string NetVampireContract::dataFolderFor(const std::string& recorded) {
    const std::string folder(platform::AsciiText::trim(recorded, " "));
    if (folder.empty()) {
        return dataFolderIn(std::string(kDefaultFolder));
    }
    return dataFolderIn(isFile(folder) ? folderOf(folder) : folder);
}

std::string NetVampireContract::jobFolder(const std::string& dataFolder, int kind) {
    return join(dataFolder, kKinds.at(static_cast<std::size_t>(kind)).folder) + kSeparator;
}

std::string NetVampireContract::jobFile(const std::string& dataFolder, int kind,
                                        const std::string& job) {
    return jobFolder(dataFolder, kind) + job + "." +
           std::string(kKinds.at(static_cast<std::size_t>(kind)).extension);
}

std::string NetVampireContract::recordedLocation(platform::RegistryStore& machineStore) {
    platform::KeyHandle key(machineStore);
    if (!key.open(std::string(kLocationKey), false)) {
        return {};
    }
    // A value of another type records no location.
    return machineStore.tryReadString(std::string(kLocationValue)).value_or(std::string());
}

void NetVampireContract::recordLocation(platform::RegistryStore& machineStore,
                                        const std::string& path) {
    platform::KeyHandle key(machineStore);
    if (!key.open(std::string(kLocationKey), true)) {
        throw platform::RegistryError("Failed to set data for '" + std::string(kLocationValue) +
                                      "'");
    }
    machineStore.writeString(std::string(kLocationValue), path);
}

std::string NetVampireContract::join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !isSeparator(path.back()) && path.back() != ':') {
        path += kSeparator;
    }
    return path + std::string(name);
}

} // namespace harvex2::core
