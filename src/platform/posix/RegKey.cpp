#include "platform/posix/RegKey.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <utility>

namespace harvex2::platform {

namespace {
// Below this many values a search in order is quicker than the index and costs no memory.
constexpr std::size_t kIndexFrom = 32;
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
        const auto it = key->subkeys_.find(AsciiText::lower(part));
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
        auto& slot = key->subkeys_[AsciiText::lower(part)];
        if (!slot) {
            slot = std::make_unique<RegKey>(part);
        }
        key = slot.get();
    }
    return *key;
}

bool RegKey::removeSubkey(std::string_view name) {
    return subkeys_.erase(AsciiText::lower(name)) > 0;
}

const RegValue* RegKey::value(std::string_view name) const {
    const std::size_t index = indexOf(name);
    return index < values_.size() ? &values_[index] : nullptr;
}

bool RegKey::setValue(std::string_view name, RegData data) {
    const std::size_t index = indexOf(name);
    if (index < values_.size()) {
        if (values_[index].data == data) {
            return false;
        }
        values_[index].data = std::move(data);
        return true;
    }
    values_.push_back({std::string(name), std::move(data)});
    if (!valueIndex_.empty()) {
        valueIndex_.emplace(AsciiText::lower(name), index);
    } else if (values_.size() >= kIndexFrom) {
        rebuildIndex();
    }
    return true;
}

bool RegKey::removeValue(std::string_view name) {
    const std::size_t index = indexOf(name);
    if (index == values_.size()) {
        return false;
    }
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(index));
    rebuildIndex();
    return true;
}

std::size_t RegKey::indexOf(std::string_view name) const {
    if (!valueIndex_.empty()) {
        const auto it = valueIndex_.find(AsciiText::lower(name));
        return it == valueIndex_.end() ? values_.size() : it->second;
    }
    const auto it = std::find_if(values_.begin(), values_.end(), [name](const RegValue& v) {
        return AsciiText::equalsIgnoringCase(v.name, name);
    });
    return static_cast<std::size_t>(it - values_.begin());
}

void RegKey::rebuildIndex() {
    valueIndex_.clear();
    if (values_.size() < kIndexFrom) {
        return;
    }
    valueIndex_.reserve(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) {
        valueIndex_.emplace(AsciiText::lower(values_[i].name), i);
    }
}

} // namespace harvex2::platform
