#include "core/shell/DuplicateRemoval.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace harvex2::core {

std::size_t removeDuplicates(LinkList& links, const CanonicalLink::Options& options) {
    std::unordered_map<std::string, std::size_t> firstOf;
    firstOf.reserve(links.count());
    std::vector<bool> removed(links.count());
    std::vector<std::size_t> toCheck;
    std::size_t removedCount = 0;
    for (std::size_t i = 0; i < links.count(); ++i) {
        const auto [first, isNew] =
            firstOf.try_emplace(CanonicalLink::of(links.textAt(i), options), i);
        if (isNew) {
            continue;
        }
        removed[i] = true;
        ++removedCount;
        if (links.checkedAt(i) && !links.checkedAt(first->second)) {
            toCheck.push_back(first->second);
        }
    }
    links.removeAndCheck(removed, toCheck);
    return removedCount;
}

} // namespace harvex2::core
