#pragma once

#include "core/shell/SettingsRecord.h"
#include "platform/RegistryStore.h"

#include <string>

namespace harvex2::core {

inline constexpr const char* kHarvexRootKey = "\\Software\\Quillfern Software\\Harvex";

// Reads and writes the settings record under the program's root key.
class SettingsStorage {
public:
    explicit SettingsStorage(platform::RegistryStore& store) : store_(store) {}

    // `current` is the window's rectangle before loading: the position defaults.
    // The first failed read ends the reading; everything after keeps its default.
    SettingsRecord LoadSettings(const WindowRect& current);
    // `current` is the window's rectangle now; `version` is the text for LastRunVersion.
    // Throws platform::RegistryError when the store cannot be written.
    void SaveSettings(const SettingsRecord& record, const WindowRect& current,
                      const std::string& version);

private:
    platform::RegistryStore& store_;
};

} // namespace harvex2::core
