#pragma once

#include "core/shell/OriginTable.h"
#include "core/shell/SideTable.h"

#include <string>

namespace harvex2::core {

// One entry of the link list as the list stores it.
struct LinkEntry {
    std::string text;
    EntryId id = 0;
    OriginTable::Index origin = OriginTable::kNone;
    bool checked = false;
};

} // namespace harvex2::core
