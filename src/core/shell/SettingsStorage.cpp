#include "core/shell/SettingsStorage.h"

#include "platform/ChangeGroup.h"
#include "platform/KeyHandle.h"

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace harvex2::core {

namespace {
const std::string kSettingsKey = std::string(kHarvexRootKey) + "\\Settings";
const std::string kPositionKey = std::string(kHarvexRootKey) + "\\Position";

// The position is stored only while Remember is on. The values after it follow it into
// "Position" then, and stay in "Settings" otherwise.
enum class Place { Settings, Position, AfterPosition };

using Member = std::variant<bool SettingsRecord::*, std::int32_t SettingsRecord::*,
                            std::string SettingsRecord::*, std::int32_t WindowRect::*>;

struct Setting {
    const char* name;
    Place place;
    Member member;
};

// Every stored setting, in the order of reading and writing; its default is the record's.
// Remember comes before the position, which depends on it.
constexpr Setting kSettingsTable[] = {
    {"IgnoreMailTo", Place::Settings, &SettingsRecord::ignoreMailTo},
    {"IgnoreBookmarks", Place::Settings, &SettingsRecord::ignoreBookmarks},
    {"QLinks", Place::Settings, &SettingsRecord::qLinks},
    {"Files", Place::Settings, &SettingsRecord::files},
    {"Mode", Place::Settings, &SettingsRecord::mode},
    {"Remember", Place::Settings, &SettingsRecord::remember},
    {"ACAS", Place::Settings, &SettingsRecord::acas},
    {"Left", Place::Position, &WindowRect::left},
    {"Top", Place::Position, &WindowRect::top},
    {"Height", Place::Position, &WindowRect::height},
    {"Width", Place::Position, &WindowRect::width},
    {"TidyUp", Place::AfterPosition, &SettingsRecord::tidyUp},
    {"NVDDE", Place::AfterPosition, &SettingsRecord::nvdde},
    {"NVJobDefault", Place::AfterPosition, &SettingsRecord::nvJobDefault},
    {"RealiFast", Place::AfterPosition, &SettingsRecord::realiFast},
};

// The key a setting is stored in; none for the position while Remember is off.
const std::string* keyOf(Place place, bool remember) {
    switch (place) {
    case Place::Settings:
        return &kSettingsKey;
    case Place::Position:
        return remember ? &kPositionKey : nullptr;
    case Place::AfterPosition:
        break;
    }
    return remember ? &kPositionKey : &kSettingsKey;
}

template <typename T> T& fieldOf(SettingsRecord& record, T SettingsRecord::*member) {
    return record.*member;
}

std::int32_t& fieldOf(SettingsRecord& record, std::int32_t WindowRect::*member) {
    return record.position.*member;
}

// False, leaving `field` as it was, when the value is missing or of another type.
bool readValue(platform::RegistryStore& store, const char* name, bool& field) {
    const auto stored = store.tryReadInteger(name);
    if (stored) {
        field = *stored != 0;
    }
    return stored.has_value();
}

template <typename T> bool readValue(platform::RegistryStore& store, const char* name, T& field) {
    std::optional<T> stored;
    if constexpr (std::is_same_v<T, std::string>) {
        stored = store.tryReadString(name);
    } else {
        stored = store.tryReadInteger(name);
    }
    if (stored) {
        field = std::move(*stored);
    }
    return stored.has_value();
}

void writeValue(platform::RegistryStore& store, const char* name, bool value) {
    store.writeBool(name, value);
}

void writeValue(platform::RegistryStore& store, const char* name, std::int32_t value) {
    store.writeInteger(name, value);
}

void writeValue(platform::RegistryStore& store, const char* name, const std::string& value) {
    store.writeString(name, value);
}

// Stops at the first missing key or value, leaving it and everything after it as it was.
void readRecord(platform::RegistryStore& store, SettingsRecord& record) {
    platform::KeyHandle key(store);
    const std::string* current = nullptr;
    for (const Setting& setting : kSettingsTable) {
        const std::string* path = keyOf(setting.place, record.remember);
        if (!path) {
            continue;
        }
        if (path != current && !key.open(*path, false)) {
            return;
        }
        current = path;
        const bool read = std::visit(
            [&](auto member) { return readValue(store, setting.name, fieldOf(record, member)); },
            setting.member);
        if (!read) {
            return;
        }
    }
}

void writeRecord(platform::RegistryStore& store, SettingsRecord& record,
                 const std::string& version) {
    platform::KeyHandle key(store);
    key.create(kHarvexRootKey);
    store.writeString("LastRunVersion", version);
    const std::string* current = nullptr;
    for (const Setting& setting : kSettingsTable) {
        const std::string* path = keyOf(setting.place, record.remember);
        if (!path) {
            continue;
        }
        if (path != current) {
            key.create(*path);
        }
        current = path;
        std::visit([&](auto member) { writeValue(store, setting.name, fieldOf(record, member)); },
                   setting.member);
    }
}

// Newer than the rest: each is read on its own, so that an older store, or one that stops
// early because Remember was off, keeps them.
constexpr std::pair<const char*, std::string SettingsRecord::*> kSeparateSettings[] = {
    {"Aria2URL", &SettingsRecord::aria2Url},
    {"Aria2Secret", &SettingsRecord::aria2Secret},
};

// The reading choices of Parse Options, each read alone, like the two above.
constexpr std::pair<const char*, bool SettingsRecord::*> kSeparateSwitches[] = {
    {"QuickScan", &SettingsRecord::quickScan},
    {"IgnoreScriptLinks", &SettingsRecord::ignoreScriptLinks},
    {"MediaSources", &SettingsRecord::mediaSources},
    {"ResolvePageLinks", &SettingsRecord::resolvePageLinks},
};

void readSeparateSettings(platform::RegistryStore& store, SettingsRecord& record) {
    platform::KeyHandle key(store);
    if (!key.open(kSettingsKey, false)) {
        return;
    }
    for (const auto& [name, member] : kSeparateSettings) {
        if (store.valueExists(name)) {
            record.*member = store.readString(name);
        }
    }
    for (const auto& [name, member] : kSeparateSwitches) {
        readValue(store, name, record.*member);
    }
}

void writeSeparateSettings(platform::RegistryStore& store, const SettingsRecord& record) {
    platform::KeyHandle key(store);
    key.create(kSettingsKey);
    for (const auto& [name, member] : kSeparateSettings) {
        store.writeString(name, record.*member);
    }
    for (const auto& [name, member] : kSeparateSwitches) {
        store.writeBool(name, record.*member);
    }
}
} // namespace

SettingsRecord SettingsStorage::LoadSettings(const WindowRect& current) {
    SettingsRecord record;
    record.position = current;
    try {
        // First: the other values stop at the first one missing.
        readSeparateSettings(store_, record);
        readRecord(store_, record);
    } catch (const platform::RegistryError&) {
        // A store that cannot be read at all falls back to defaults without a word.
    }
    return record;
}

void SettingsStorage::SaveSettings(const SettingsRecord& record, const WindowRect& current,
                                   const std::string& version) {
    // One write of the store for the whole record: it may hold far more than the record.
    platform::ChangeGroup changes(store_);
    SettingsRecord saved = record;
    saved.position = current;
    writeRecord(store_, saved, version);
    writeSeparateSettings(store_, record);
    changes.commit();
}

} // namespace harvex2::core
