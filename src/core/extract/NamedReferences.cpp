#include "core/extract/NamedReferences.h"

#include <algorithm>
#include <string_view>

namespace harvex2::core {

const NamedReference* NamedReferences::longestPrefixOf(std::string_view text) {
    const NamedReference* const end = kTable + kCount;
    for (std::size_t length = std::min(text.size(), kLongestName); length > 0; --length) {
        const std::string_view wanted = text.substr(0, length);
        const NamedReference* found = std::lower_bound(
            kTable, end, wanted,
            [](const NamedReference& entry, std::string_view name) { return entry.name < name; });
        if (found != end && found->name == wanted) {
            return found;
        }
    }
    return nullptr;
}

} // namespace harvex2::core
