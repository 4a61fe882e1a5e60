#pragma once

#include "core/shell/SettingsRecord.h"
#include "platform/RegistryStore.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace harvex2::core {

// Where each field of the settings record is stored, and how it reads and writes there.
namespace settingsTable {

// The position is stored only while Remember is on. The values after it follow it into
// "Position" then, and stay in "Settings" otherwise.
enum class Place { Settings, Position, AfterPosition };

using Member =
    std::variant<bool SettingsRecord::*, std::int32_t SettingsRecord::*,
                 TargetProgram SettingsRecord::*, std::string SettingsRecord::*,
                 std::vector<Aria2Endpoint> SettingsRecord::*, std::int32_t WindowRect::*>;

struct Setting {
    const char* name;
    Place place;
    Member member;
};

// A value as the store holds it: booleans are integers there.
using StoredValue = std::variant<std::int32_t, std::string>;

extern const std::string kSettingsKey;
extern const std::string kPositionKey;

// In the order of reading: the first one that fails to read ends the reading. Remember
// comes before the position, which depends on it.
std::span<const Setting> chainedSettings();
// Newer than the rest: each is read on its own, so that an older store, or one that stops
// early because Remember was off, keeps them.
std::span<const Setting> separateSettings();
const Setting& rememberSetting();

// The key a setting is stored in; none for the position while Remember is off.
const std::string* keyOf(Place place, bool remember);

StoredValue valueOf(const SettingsRecord& record, const Setting& setting);
void assign(SettingsRecord& record, const Setting& setting, const StoredValue& value);
// From the store's current key: nullopt when missing or of the other type.
std::optional<StoredValue> read(platform::RegistryStore& store, const Setting& setting);
// To the store's current key. Throws platform::RegistryError.
void write(platform::RegistryStore& store, const Setting& setting, const StoredValue& value);

} // namespace settingsTable
} // namespace harvex2::core
