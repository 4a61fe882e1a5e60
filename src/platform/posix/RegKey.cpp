#include "platform/posix/RegKey.h"

#include "platform/posix/KeyPath.h"

#include <algorithm>
#include <utility>

namespace harvex2::platform {

namespace {

// Shared by the const and non-const lookups.
template <typename Values> auto findValue(Values& values, std::string_view name) {
    return std::find_if(values.begin(), values.end(),
                        [name](const RegValue& v) { return KeyPath::sameName(v.name, name); });
}

} // namespace

RegKey::RegKey(std::string name) : name_(std::move(name)) {}

std::vector<const RegKey*> RegKey::subkeys() const {
    std::vector<const RegKey*> keys;
    keys.reserve(subkeys_.size());
    for (const auto& entry : subkeys_) {
        keys.push_back(entry.second.get());
    }
    return keys;
}

const RegKey* RegKey::find(const std::vector<std::string>& path) const {
    const RegKey* key = this;
    for (const std::string& part : path) {
        const auto it = key->subkeys_.find(KeyPath::fold(part));
        if (it == key->subkeys_.end()) {
            return nullptr;
        }
        key = it->second.get();
    }
    return key;
}

RegKey* RegKey::find(const std::vector<std::string>& path) {
    return const_cast<RegKey*>(std::as_const(*this).find(path));
}

RegKey& RegKey::findOrCreate(const std::vector<std::string>& path) {
    RegKey* key = this;
    for (const std::string& part : path) {
        auto& slot = key->subkeys_[KeyPath::fold(part)];
        if (!slot) {
            slot = std::make_unique<RegKey>(part);
        }
        key = slot.get();
    }
    return *key;
}

bool RegKey::removeSubkey(std::string_view name) {
    return subkeys_.erase(KeyPath::fold(name)) > 0;
}

const RegValue* RegKey::value(std::string_view name) const {
    const auto it = findValue(values_, name);
    return it == values_.end() ? nullptr : &*it;
}

bool RegKey::setValue(std::string_view name, RegData data) {
    const auto it = findValue(values_, name);
    if (it == values_.end()) {
        values_.push_back({std::string(name), std::move(data)});
        return true;
    }
    if (it->data == data) {
        return false;
    }
    it->data = std::move(data);
    return true;
}

bool RegKey::removeValue(std::string_view name) {
    const auto it = findValue(values_, name);
    if (it == values_.end()) {
        return false;
    }
    values_.erase(it);
    return true;
}

} // namespace harvex2::platform
