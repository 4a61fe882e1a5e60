#include "support/core/NetVampireInstall.h"

#include "support/core/TempFolder.h"

#include <filesystem>

namespace harvex2::test {

void makeNetVampireFolder(const std::string& program, bool withData) {
    for (const char* sub : {"Jobs", "State", "Sites", "Partial"}) {
        std::filesystem::create_directories(program + (withData ? "/Data/" : "/") + sub);
    }
    TempFolder::write(program + "/vampire.exe", "");
}

void recordNetVampire(platform::RegistryStore& machineStore, const std::string& path) {
    machineStore.openKey("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Vampire.exe",
                         true);
    machineStore.writeString("Path", path);
    machineStore.closeKey();
}

void installNetVampire(platform::RegistryStore& machineStore, const std::string& program,
                       bool withData) {
    makeNetVampireFolder(program, withData);
    recordNetVampire(machineStore, program);
}

} // namespace harvex2::test
