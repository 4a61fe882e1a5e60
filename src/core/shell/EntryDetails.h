#pragma once

#include "core/shell/SideTable.h"

#include <string>
#include <vector>

namespace harvex2::core {

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
};

} // namespace harvex2::core
