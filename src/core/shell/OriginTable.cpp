#include "core/shell/OriginTable.h"

namespace harvex2::core {

OriginTable::Index OriginTable::intern(std::string_view address) {
    if (address.empty()) {
        return kNone;
    }
    const auto [found, added] =
        indexes_.try_emplace(std::string(address), static_cast<Index>(addresses_.size()));
    if (added) {
        addresses_.push_back(found->first);
    }
    return found->second;
}

const std::string& OriginTable::at(Index index) const {
    return addresses_[index];
}

void OriginTable::clear() {
    addresses_.resize(1);
    indexes_.clear();
}

} // namespace harvex2::core
