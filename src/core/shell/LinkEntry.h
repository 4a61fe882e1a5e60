#pragma once

#include "core/shell/OriginTable.h"
#include "core/shell/SideTable.h"

#include <string>
#include <string_view>

namespace harvex2::core {

// One entry of the link list on its own, as undo keeps a removed one and recovery reads
// one back.
struct LinkEntry {
    std::string text;
    EntryId id = 0;
    OriginTable::Index origin = OriginTable::kNone;
    bool checked = false;
};

// One entry as the list shows it: the text stays in the list, valid until it changes.
struct LinkEntryView {
    std::string_view text;
    EntryId id = 0;
    OriginTable::Index origin = OriginTable::kNone;
    bool checked = false;
};

} // namespace harvex2::core
