#pragma once

#include "core/handoff/NameMask.h"

#include <string>

namespace harvex2::core {

class AddingRows;
class LinkList;
struct SettingsRecord;

// Gives the Adding window's rows their names and referrers before the pass starts, so that
// the Target column shows the names, collisions already numbered.
class RowNaming {
public:
    struct Where {
        std::string baseUrl;
        std::string folder; // the download folder; names taken there are numbered
        HandoffDate date;
    };

    // Rows made from entries take the entry's page, imported name and template counters.
    static void apply(AddingRows& rows, const LinkList& links, const SettingsRecord& settings,
                      const Where& where);
};

} // namespace harvex2::core
