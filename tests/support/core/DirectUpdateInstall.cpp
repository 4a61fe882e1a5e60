#include "support/core/DirectUpdateInstall.h"

#include "core/update/UpdateEngine.h"
#include "support/core/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace harvex2::test {

namespace {

constexpr auto kEngineWait = std::chrono::seconds(10);

constexpr const char* kEngineScript = R"(#!/bin/sh
record="$(dirname "$0")/started.txt"
{
    printf '%s\n' "$0"
    for word in "$@"; do printf '[%s]\n' "$word"; done
} > "$record.part"
mv "$record.part" "$record"
)";

} // namespace

void recordDirectUpdate(platform::RegistryStore& machineStore, const DirectUpdateRecord& record) {
    machineStore.openKey(core::UpdateEngine::kRecordKey, true);
    machineStore.writeString("ExeName", record.exeName);
    machineStore.writeString("Path", record.path);
    machineStore.writeString("Version", record.version);
    machineStore.writeString("DataVersion", record.dataVersion);
    machineStore.writeInteger("LastSelfCheck", record.lastSelfCheck);
    machineStore.writeInteger("FirstVersRun", record.firstVersRun);
    machineStore.closeKey();
}

void removeDirectUpdateRecord(platform::RegistryStore& machineStore) {
    machineStore.deleteKey(core::UpdateEngine::kRecordKey);
}

void makeFakeEngine(const std::string& folder, const std::string& exeName) {
    std::filesystem::create_directories(folder);
    const std::string program = folder + "/" + exeName;
    TempFolder::write(program, kEngineScript);
    using std::filesystem::perms;
    std::filesystem::permissions(program, perms::owner_all | perms::group_read | perms::group_exec |
                                              perms::others_read | perms::others_exec);
}

std::optional<std::string> takeEngineRecord(const std::string& folder) {
    const std::string record = folder + "/started.txt";
    const auto deadline = std::chrono::steady_clock::now() + kEngineWait;
    while (!std::filesystem::exists(record)) {
        if (std::chrono::steady_clock::now() > deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::string text = TempFolder::read(record);
    std::filesystem::remove(record);
    return text;
}

} // namespace harvex2::test
