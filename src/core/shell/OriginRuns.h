#pragma once

#include "core/shell/OriginTable.h"
#include "core/shell/SideTable.h"

#include <map>

namespace harvex2::core {

// Which page each entry came from, keyed by the entry's id. Entries arrive in runs of
// consecutive ids from one page, so one mark per run stands for all of them: a mark holds
// from its id up to the next mark. Marks outlive their entries, which an undo may bring
// back under the same ids.
class OriginRuns {
public:
    OriginTable::Index at(EntryId id) const;
    // The ids from `first` up to but not including `end` came from `origin`.
    void set(EntryId first, EntryId end, OriginTable::Index origin);
    void clear() { marks_.clear(); }
    std::size_t marks() const { return marks_.size(); }

private:
    bool extendsLastRun(EntryId first, EntryId end, OriginTable::Index origin);
    void dropIfSameAsBefore(std::map<EntryId, OriginTable::Index>::iterator mark);

    std::map<EntryId, OriginTable::Index> marks_;
};

} // namespace harvex2::core
