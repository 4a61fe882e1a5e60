#include "support/ui/CountingStore.h"

namespace harvex2::test {

int CountingStore::writesOf(const std::string& name) const {
    const auto found = writes_.find(name);
    return found == writes_.end() ? 0 : found->second;
}

bool CountingStore::openKey(const std::string& path, bool canCreate) {
    // A store that cannot be written cannot create keys either.
    return inner_.openKey(path, canCreate && !failWrites_);
}

void CountingStore::count(const std::string& name) {
    if (failWrites_) {
        throw platform::RegistryError("Failed to set data for '" + name + "'");
    }
    ++writes_[name];
}

void CountingStore::writeInteger(const std::string& name, std::int32_t value) {
    count(name);
    inner_.writeInteger(name, value);
}

void CountingStore::writeString(const std::string& name, const std::string& value) {
    count(name);
    inner_.writeString(name, value);
}

} // namespace harvex2::test
