#include "platform/RegistryStore.h"

#include "platform/KeyHandle.h"

namespace harvex2::platform {

std::optional<std::int32_t> RegistryStore::tryReadInteger(const std::string& name) {
    try {
        return readInteger(name);
    } catch (const RegistryError&) {
        return std::nullopt;
    }
}

std::optional<std::string> RegistryStore::tryReadString(const std::string& name) {
    if (!valueExists(name)) {
        return std::nullopt;
    }
    try {
        return readString(name);
    } catch (const RegistryError&) {
        return std::nullopt;
    }
}

void RegistryStore::changeInteger(const std::string& path, const std::string& name,
                                  const IntegerChange& next) {
    KeyHandle key(*this);
    const std::optional<std::int32_t> stored =
        key.open(path, false) ? tryReadInteger(name) : std::nullopt;
    closeKey();
    const std::int32_t changed = next(stored);
    if (!key.open(path, true)) {
        throw RegistryError("Failed to set data for '" + name + "'");
    }
    writeInteger(name, changed);
}

} // namespace harvex2::platform
