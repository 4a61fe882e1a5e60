#include "platform/posix/FileRegistryStore.h"

#include "platform/posix/KeyPath.h"
#include "platform/posix/StoreFileError.h"
#include "platform/posix/UserFolders.h"

#include <algorithm>

namespace harvex2::platform {

namespace {

RegistryError failedToGet(const std::string& name) {
    return RegistryError("Failed to get data for '" + name + "'");
}

bool storablePath(const std::vector<std::string>& path) {
    return path.size() <= KeyPath::kMaxDepth &&
           std::all_of(path.begin(), path.end(), KeyPath::isStorableName);
}

} // namespace

FileRegistryStore::FileRegistryStore(Hive hive, std::string filePath,
                                     std::chrono::milliseconds lockWait)
    : storage_(hive, std::move(filePath), lockWait) {}

std::string FileRegistryStore::defaultFolder() {
    std::string own = UserFolders::environment("HARVEX2_CONFIG_DIR");
    if (!own.empty()) {
        return own;
    }
    const std::string xdg = UserFolders::environment("XDG_CONFIG_HOME");
    return (xdg.empty() ? UserFolders::home() + "/.config" : xdg) + "/harvex2";
}

std::string FileRegistryStore::defaultPath(Hive hive) {
    return defaultFolder() + (hive == Hive::CurrentUser ? "/user.reg" : "/machine.reg");
}

bool FileRegistryStore::openKey(const std::string& path, bool canCreate) {
    std::vector<std::string> resolved = resolve(path);
    const bool exists = storage_.current().find(resolved) != nullptr;
    if (!exists && !(canCreate && storablePath(resolved))) {
        return false;
    }
    const bool made = exists || tryUpdate(path, [&resolved](RegKey& root) {
                          const bool missing = root.find(resolved) == nullptr;
                          root.findOrCreate(resolved);
                          return missing;
                      });
    if (!made) {
        return false;
    }
    current_ = std::move(resolved);
    return true;
}

void FileRegistryStore::closeKey() {
    current_.reset();
}

bool FileRegistryStore::keyExists(const std::string& path) {
    return storage_.current().find(resolve(path)) != nullptr;
}

bool FileRegistryStore::deleteKey(const std::string& path) {
    std::vector<std::string> resolved = resolve(path);
    if (resolved.empty()) {
        return false;
    }
    // Nothing to delete leaves the disk alone: no folder, lock or file is made for it.
    if (storage_.current().find(resolved) == nullptr) {
        return false;
    }
    const std::string name = resolved.back();
    resolved.pop_back();
    bool deleted = false;
    return tryUpdate(path,
                     [&](RegKey& root) {
                         RegKey* parent = root.find(resolved);
                         deleted = parent && parent->removeSubkey(name);
                         return deleted;
                     }) &&
           deleted;
}

std::vector<std::string> FileRegistryStore::subkeyNames() {
    std::vector<std::string> names;
    if (const RegKey* key = currentKey()) {
        for (const RegKey* subkey : key->subkeys()) {
            names.push_back(subkey->name());
        }
    }
    return names;
}

std::vector<std::string> FileRegistryStore::valueNames() {
    std::vector<std::string> names;
    if (const RegKey* key = currentKey()) {
        for (const RegValue& value : key->values()) {
            names.push_back(value.name);
        }
    }
    return names;
}

bool FileRegistryStore::valueExists(const std::string& name) {
    return currentValue(name) != nullptr;
}

bool FileRegistryStore::deleteValue(const std::string& name) {
    if (!currentValue(name)) {
        return false;
    }
    bool deleted = false;
    return tryUpdate(name,
                     [&](RegKey& root) {
                         RegKey* key = root.find(*current_);
                         deleted = key && key->removeValue(name);
                         return deleted;
                     }) &&
           deleted;
}

std::int32_t FileRegistryStore::readInteger(const std::string& name) {
    const RegValue* value = currentValue(name);
    if (!value) {
        throw failedToGet(name);
    }
    if (const auto* number = std::get_if<std::int32_t>(&value->data)) {
        return *number;
    }
    throw RegistryError("Invalid data type for '" + name + "'");
}

std::string FileRegistryStore::readString(const std::string& name) {
    const RegValue* value = currentValue(name);
    if (!value) {
        return {};
    }
    if (const auto* text = std::get_if<std::string>(&value->data)) {
        return *text;
    }
    throw RegistryError("Invalid data type for '" + name + "'");
}

void FileRegistryStore::writeInteger(const std::string& name, std::int32_t value) {
    writeValue(name, value);
}

void FileRegistryStore::writeString(const std::string& name, const std::string& value) {
    writeValue(name, value);
}

void FileRegistryStore::changeInteger(const std::string& path, const std::string& name,
                                      const IntegerChange& next) {
    const std::vector<std::string> resolved = resolve(path);
    closeKey();
    if (!storablePath(resolved) || !KeyPath::isStorableName(name)) {
        throw RegistryError::failedToSet(name);
    }
    try {
        update(name, [&](RegKey& root) {
            const RegKey* key = root.find(resolved);
            const RegValue* value = key ? key->value(name) : nullptr;
            const auto* number = value ? std::get_if<std::int32_t>(&value->data) : nullptr;
            const std::int32_t changed = next(number ? std::optional(*number) : std::nullopt);
            return root.findOrCreate(resolved).setValue(name, changed);
        });
    } catch (const StoreFileError& error) {
        failureCause_ = error.what();
        throw RegistryError::failedToSet(name, failureCause_);
    }
}

std::vector<std::string> FileRegistryStore::resolve(const std::string& path) const {
    std::vector<std::string> resolved;
    if (!KeyPath::isAbsolute(path) && current_) {
        resolved = *current_;
    }
    for (std::string& part : KeyPath::split(path)) {
        resolved.push_back(std::move(part));
    }
    return resolved;
}

const RegKey* FileRegistryStore::currentKey() {
    return current_ ? storage_.current().find(*current_) : nullptr;
}

const RegValue* FileRegistryStore::currentValue(const std::string& name) {
    const RegKey* key = currentKey();
    return key ? key->value(name) : nullptr;
}

void FileRegistryStore::update(const std::string& what,
                               const std::function<bool(RegKey&)>& change) {
    if (storage_.inGroup() && firstInGroup_.empty()) {
        firstInGroup_ = what;
    }
    storage_.update(change);
}

// Changes that report failure by returning false keep its cause for failureCause().
bool FileRegistryStore::tryUpdate(const std::string& what,
                                  const std::function<bool(RegKey&)>& change) {
    try {
        update(what, change);
        return true;
    } catch (const StoreFileError& error) {
        failureCause_ = error.what();
        return false;
    }
}

// A key deleted since it was opened is not brought back: the write fails, as it would on
// the registry.
void FileRegistryStore::writeValue(const std::string& name, RegData data) {
    if (!current_ || !KeyPath::isStorableName(name)) {
        throw RegistryError::failedToSet(name);
    }
    try {
        update(name, [&](RegKey& root) {
            RegKey* key = root.find(*current_);
            if (!key) {
                throw RegistryError::failedToSet(name);
            }
            return key->setValue(name, std::move(data));
        });
    } catch (const StoreFileError& error) {
        failureCause_ = error.what();
        throw RegistryError::failedToSet(name, failureCause_);
    }
}

void FileRegistryStore::beginChanges() {
    if (!storage_.inGroup()) {
        firstInGroup_.clear();
    }
    storage_.beginGroup();
}

void FileRegistryStore::endChanges() {
    try {
        storage_.endGroup();
    } catch (const StoreFileError& error) {
        failureCause_ = error.what();
        throw RegistryError::failedToSet(firstInGroup_, failureCause_);
    }
}

std::vector<std::string> FileRegistryStore::takeNotices() {
    return storage_.takeNotices();
}

std::string FileRegistryStore::failureCause() {
    return failureCause_;
}

} // namespace harvex2::platform
