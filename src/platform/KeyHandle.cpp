#include "platform/KeyHandle.h"

namespace harvex2::platform {

KeyHandle::~KeyHandle() {
    store_.closeKey();
}

bool KeyHandle::open(const std::string& path, bool canCreate) {
    return store_.openKey(path, canCreate);
}

void KeyHandle::create(const std::string& path) {
    if (!store_.openKey(path, true)) {
        throw RegistryError::failedToSet(path, store_.failureCause());
    }
}

} // namespace harvex2::platform
