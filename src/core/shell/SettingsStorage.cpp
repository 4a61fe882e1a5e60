#include "core/shell/SettingsStorage.h"

#include "core/shell/SettingsTable.h"
#include "platform/ChangeGroup.h"
#include "platform/KeyHandle.h"

#include <optional>
#include <string>
#include <utility>

namespace harvex2::core {

namespace {

using namespace settingsTable;

// Stops at the first missing key or value, leaving it and everything after it as it was.
void readChained(platform::RegistryStore& store, SettingsRecord& record) {
    platform::KeyHandle key(store);
    const std::string* current = nullptr;
    for (const Setting& setting : chainedSettings()) {
        const std::string* path = keyOf(setting.place, record.remember);
        if (!path) {
            continue;
        }
        if (path != current && !key.open(*path, false)) {
            return;
        }
        current = path;
        const std::optional<StoredValue> value = read(store, setting);
        if (!value) {
            return;
        }
        assign(record, setting, *value);
    }
}

void readSeparate(platform::RegistryStore& store, SettingsRecord& record) {
    platform::KeyHandle key(store);
    if (!key.open(kSettingsKey, false)) {
        return;
    }
    for (const Setting& setting : separateSettings()) {
        if (const std::optional<StoredValue> value = read(store, setting)) {
            assign(record, setting, *value);
        }
    }
}

// One save: what this copy holds, what it knew before, and the store under its lock.
class Merge {
public:
    Merge(platform::RegistryStore& store, const SettingsRecord& ours,
          const std::optional<SettingsRecord>& known)
        : store_(store), key_(store), ours_(ours), known_(known) {}

    // Must follow a change of the store's group: only then does no other copy come between
    // what is read here and what is written.
    void run() {
        const std::optional<StoredValue> stored = storedAt(&kSettingsKey, rememberSetting());
        storedRemember_ = stored ? std::get<std::int32_t>(*stored) != 0 : ours_.remember;
        remember_ = !stored || changed(rememberSetting()) ? ours_.remember : storedRemember_;
        for (const Setting& setting : chainedSettings()) {
            save(setting);
        }
        for (const Setting& setting : separateSettings()) {
            save(setting);
        }
    }

private:
    bool changed(const Setting& setting) const {
        return !known_ || valueOf(ours_, setting) != valueOf(*known_, setting);
    }

    std::optional<StoredValue> storedAt(const std::string* path, const Setting& setting) {
        if (!path || !key_.open(*path, false)) {
            return std::nullopt;
        }
        return read(store_, setting);
    }

    // Writes what this copy changed, and fills in what the store lacks. Where Remember moved
    // a value's key, the value moves along: the latest one, whichever copy wrote it.
    void save(const Setting& setting) {
        const std::string* path = keyOf(setting.place, remember_);
        if (!path) {
            return;
        }
        const std::string* before = keyOf(setting.place, storedRemember_);
        std::optional<StoredValue> value;
        if (changed(setting)) {
            value = valueOf(ours_, setting);
        } else if (path != before) {
            value = storedAt(before, setting);
        } else if (storedAt(path, setting)) {
            return;
        }
        if (!value) {
            value = valueOf(ours_, setting);
        }
        key_.create(*path);
        write(store_, setting, *value);
    }

    platform::RegistryStore& store_;
    platform::KeyHandle key_;
    const SettingsRecord& ours_;
    const std::optional<SettingsRecord>& known_;
    bool storedRemember_ = true;
    bool remember_ = true;
};

} // namespace

SettingsRecord SettingsStorage::LoadSettings(const WindowRect& current) {
    SettingsRecord record;
    record.position = current;
    try {
        // First: the other values stop at the first one missing.
        readSeparate(store_, record);
        readChained(store_, record);
    } catch (const platform::RegistryError&) {
        // A store that cannot be read at all falls back to defaults without a word.
    }
    known_ = record;
    return record;
}

void SettingsStorage::SaveSettings(const SettingsRecord& record, const WindowRect& current,
                                   const std::string& version) {
    SettingsRecord ours = record;
    ours.position = current;
    save(std::move(ours), version);
}

void SettingsStorage::SaveChoices(const SettingsRecord& record, const std::string& version) {
    SettingsRecord ours = record;
    if (known_) {
        ours.position = known_->position;
    }
    save(std::move(ours), version);
}

void SettingsStorage::save(SettingsRecord ours, const std::string& version) {
    // One write of the store for the whole record: it may hold far more than the record.
    platform::ChangeGroup changes(store_);
    {
        platform::KeyHandle key(store_);
        key.create(kHarvexRootKey);
        store_.writeString("LastRunVersion", version);
    }
    Merge(store_, ours, known_).run();
    changes.commit();
    known_ = ours;
}

} // namespace harvex2::core
