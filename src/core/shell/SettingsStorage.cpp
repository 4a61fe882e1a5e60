#include "core/shell/SettingsStorage.h"

#include "platform/ChangeGroup.h"

namespace harvex2::core {

namespace {
const std::string kSettingsKey = std::string(kHarvexRootKey) + "\\Settings";
const std::string kPositionKey = std::string(kHarvexRootKey) + "\\Position";

// Stops at the first missing key or value, leaving it and everything after it as it was.
void readRecord(platform::RegistryStore& store, SettingsRecord& record) {
    if (!store.openKey(kSettingsKey, false)) {
        return;
    }
    record.ignoreMailTo = store.readBool("IgnoreMailTo");
    record.ignoreBookmarks = store.readBool("IgnoreBookmarks");
    record.qLinks = store.readBool("QLinks");
    record.files = store.readInteger("Files");
    record.mode = store.readInteger("Mode");
    record.remember = store.readBool("Remember");
    record.acas = store.readBool("ACAS");
    if (record.remember) {
        if (!store.openKey(kPositionKey, false)) {
            return;
        }
        record.position.left = store.readInteger("Left");
        record.position.top = store.readInteger("Top");
        record.position.height = store.readInteger("Height");
        record.position.width = store.readInteger("Width");
    }
    // These follow the position into "Position" while Remember is on, else stay in "Settings".
    record.tidyUp = store.readInteger("TidyUp");
    record.nvdde = store.readBool("NVDDE");
    record.nvJobDefault = store.readInteger("NVJobDefault");
    record.realiFast = store.readBool("RealiFast");
}

// Newer than the rest: each is read on its own, so that an older store keeps the others.
void readAria2(platform::RegistryStore& store, SettingsRecord& record) {
    if (store.openKey(kSettingsKey, false)) {
        for (auto [name, value] : {std::pair{"Aria2URL", &record.aria2Url},
                                   std::pair{"Aria2Secret", &record.aria2Secret}}) {
            *value = store.valueExists(name) ? store.readString(name) : *value;
        }
    }
}
} // namespace

void openOrCreateKey(platform::RegistryStore& store, const std::string& path) {
    if (!store.openKey(path, true)) {
        throw platform::RegistryError::failedToSet(path, store.failureCause());
    }
}

SettingsRecord SettingsStorage::LoadSettings(const WindowRect& current) {
    SettingsRecord record;
    record.position = current;
    try {
        // First: the other values stop at the first one missing.
        readAria2(store_, record);
        readRecord(store_, record);
    } catch (const platform::RegistryError&) {
        // A damaged or partial store falls back to defaults without a word.
    }
    store_.closeKey();
    return record;
}

void SettingsStorage::SaveSettings(const SettingsRecord& record, const WindowRect& current,
                                   const std::string& version) {
    // One write of the store for the whole record: it may hold far more than the record.
    platform::ChangeGroup changes(store_);
    openOrCreateKey(store_, kHarvexRootKey);
    store_.writeString("LastRunVersion", version);
    openOrCreateKey(store_, kSettingsKey);
    store_.writeBool("IgnoreMailTo", record.ignoreMailTo);
    store_.writeBool("IgnoreBookmarks", record.ignoreBookmarks);
    store_.writeBool("QLinks", record.qLinks);
    store_.writeInteger("Files", record.files);
    store_.writeInteger("Mode", record.mode);
    store_.writeBool("Remember", record.remember);
    store_.writeBool("ACAS", record.acas);
    if (record.remember) {
        openOrCreateKey(store_, kPositionKey);
        store_.writeInteger("Left", current.left);
        store_.writeInteger("Top", current.top);
        store_.writeInteger("Height", current.height);
        store_.writeInteger("Width", current.width);
    }
    store_.writeInteger("TidyUp", record.tidyUp);
    store_.writeBool("NVDDE", record.nvdde);
    store_.writeInteger("NVJobDefault", record.nvJobDefault);
    store_.writeBool("RealiFast", record.realiFast);
    openOrCreateKey(store_, kSettingsKey);
    store_.writeString("Aria2URL", record.aria2Url);
    store_.writeString("Aria2Secret", record.aria2Secret);
    store_.closeKey();
    changes.commit();
}

} // namespace harvex2::core
