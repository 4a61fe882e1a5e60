#pragma once

#include "core/shell/SettingsRecord.h"
#include "platform/RegistryStore.h"

#include <optional>
#include <string>

namespace harvex2::core {

inline constexpr const char* kHarvexRootKey = "\\Software\\Quillfern Software\\Harvex";

// Reads and writes the settings record under the program's root key. Several running copies
// share the store: each one writes back only what it changed itself.
class SettingsStorage {
public:
    explicit SettingsStorage(platform::RegistryStore& store) : store_(store) {}

    // `current` is the window's rectangle before loading: the position defaults.
    // The first failed read ends the reading; everything after keeps its default.
    SettingsRecord LoadSettings(const WindowRect& current);
    // `current` is the window's rectangle now; `version` is the text for LastRunVersion.
    // Writes the values that differ from what this object last loaded or saved, merged
    // under the store's lock with what the store holds now: another copy's values stay, and
    // values missing there are filled in. Before any load, every value counts as changed.
    // Throws platform::RegistryError when the store cannot be written.
    void SaveSettings(const SettingsRecord& record, const WindowRect& current,
                      const std::string& version);
    // The same, leaving the window's position for a later save.
    void SaveChoices(const SettingsRecord& record, const std::string& version);

private:
    void save(SettingsRecord ours, const std::string& version);

    platform::RegistryStore& store_;
    // The record as this copy last read or wrote it.
    std::optional<SettingsRecord> known_;
};

} // namespace harvex2::core
