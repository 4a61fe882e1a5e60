#include "core/shell/OriginRuns.h"

#include <iterator>

namespace harvex2::core {

OriginTable::Index OriginRuns::at(EntryId id) const {
    const auto after = marks_.upper_bound(id);
    return after == marks_.begin() ? OriginTable::kNone : std::prev(after)->second;
}

void OriginRuns::set(EntryId first, EntryId end, OriginTable::Index origin) {
    if (first >= end || extendsLastRun(first, end, origin)) {
        return;
    }
    const OriginTable::Index following = at(end);
    marks_.erase(marks_.lower_bound(first), marks_.upper_bound(end));
    const auto start = marks_.insert_or_assign(first, origin).first;
    const auto stop = marks_.insert_or_assign(end, following).first;
    dropIfSameAsBefore(stop);
    dropIfSameAsBefore(start);
}

// Ids past the last mark have no page, so appends without one leave the marks alone, and
// appends from the page of the last run move its end mark instead of adding two.
bool OriginRuns::extendsLastRun(EntryId first, EntryId end, OriginTable::Index origin) {
    if (!marks_.empty() && marks_.rbegin()->first > first) {
        return false;
    }
    if (origin == OriginTable::kNone) {
        return true;
    }
    if (marks_.size() < 2 || marks_.rbegin()->first != first ||
        std::prev(marks_.end(), 2)->second != origin) {
        return false;
    }
    auto mark = marks_.extract(first);
    mark.key() = end;
    marks_.insert(std::move(mark));
    return true;
}

// A mark that repeats the one before it, or kNone at the start, says nothing.
void OriginRuns::dropIfSameAsBefore(std::map<EntryId, OriginTable::Index>::iterator mark) {
    const OriginTable::Index before =
        mark == marks_.begin() ? OriginTable::kNone : std::prev(mark)->second;
    if (mark->second == before) {
        marks_.erase(mark);
    }
}

} // namespace harvex2::core
