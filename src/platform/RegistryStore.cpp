#include "platform/RegistryStore.h"

namespace harvex2::platform {

void RegistryStore::changeInteger(const std::string& path, const std::string& name,
                                  const IntegerChange& next) {
    std::optional<std::int32_t> stored;
    if (openKey(path, false)) {
        try {
            stored = readInteger(name);
        } catch (const RegistryError&) {
            // Missing, or not an integer.
        }
        closeKey();
    }
    const std::int32_t changed = next(stored);
    if (!openKey(path, true)) {
        throw RegistryError("Failed to set data for '" + name + "'");
    }
    try {
        writeInteger(name, changed);
    } catch (const RegistryError&) {
        closeKey();
        throw;
    }
    closeKey();
}

} // namespace harvex2::platform
