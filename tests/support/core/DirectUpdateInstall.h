#pragma once

#include "platform/RegistryStore.h"

#include <cstdint>
#include <optional>
#include <string>

namespace harvex2::test {

// The update engine's installation record as its installer writes it.
struct DirectUpdateRecord {
    std::string path;
    std::string exeName = "directupdate";
    std::string version = "2.1";
    std::string dataVersion = "3";
    std::int32_t lastSelfCheck = 45300;
    std::int32_t firstVersRun = 45000;
};

void recordDirectUpdate(platform::RegistryStore& machineStore, const DirectUpdateRecord& record);
void removeDirectUpdateRecord(platform::RegistryStore& machineStore);

// A stand-in engine at `folder`/`exeName`: a script that writes the path it was started
// by and each argument, in brackets, one a line, to "started.txt" beside itself. The
// record appears whole, by a rename, once the script is done.
void makeFakeEngine(const std::string& folder, const std::string& exeName);
// Waits up to ten seconds for the stand-in's record, then takes it away so that the next
// start makes a new one; nullopt when none came.
std::optional<std::string> takeEngineRecord(const std::string& folder);

} // namespace harvex2::test
