#pragma once

#include "core/shell/SideTable.h"

#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// The details of one entry, taken out of the tables whole, so that an entry can leave the
// list and come back with them.
struct DetailSet {
    std::optional<std::string> fileName;
    std::optional<std::string> referrer;
    std::optional<std::vector<std::string>> counters;

    bool empty() const { return !fileName && !referrer && !counters; }
    bool operator==(const DetailSet&) const = default;
    // About what the set keeps in memory.
    std::size_t bytes() const;
};

// What an entry of the link list may carry beyond its link. The list drops an entry's
// details when it removes the entry.
struct EntryDetails {
    SideTable<std::string> fileNames;
    SideTable<std::string> referrers;
    // The values a bracket template's counters had in the entry's URL, in the template's order.
    SideTable<std::vector<std::string>> counters;

    void erase(EntryId id);
    void clear();
    bool empty() const;
    DetailSet take(EntryId id);
    DetailSet copyOf(EntryId id) const;
    void put(EntryId id, DetailSet set);
};

} // namespace harvex2::core
