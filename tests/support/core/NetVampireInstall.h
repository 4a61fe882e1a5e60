#pragma once

#include "platform/RegistryStore.h"

#include <string>

namespace harvex2::test {

// Net Vampire as its installer leaves it: "vampire.exe" in the folder `program`, with the
// job folders in "Data" beside it, or straight beside it when `withData` is off.
void makeNetVampireFolder(const std::string& program, bool withData = true);
// Records `path`, a folder or an executable, where Net Vampire's location is looked up.
void recordNetVampire(platform::RegistryStore& machineStore, const std::string& path);
// Makes the folder and records it.
void installNetVampire(platform::RegistryStore& machineStore, const std::string& program,
                       bool withData = true);

} // namespace harvex2::test
