#pragma once

#include "core/shell/EntryDetails.h"
#include "core/shell/LinkEntry.h"

#include <cstddef>
#include <utility>
#include <variant>
#include <vector>

namespace harvex2::core {

// Entries added at the end of the list.
struct AppendedRun {
    std::size_t count = 0;
};

// Entries a change took out of the list, kept whole so that they can return where they stood.
struct RemovedEntries {
    // (index before the removal, length), ascending.
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    std::vector<LinkEntry> entries;                     // in list order
    std::vector<std::pair<EntryId, DetailSet>> details; // only of the entries that had any
};

// Check flags that changed, one bit per entry from `first` on: a set bit flipped.
struct FlippedChecks {
    std::size_t first = 0;
    std::vector<bool> flipped;
};

using UndoRecord = std::variant<AppendedRun, RemovedEntries, FlippedChecks>;

// What one change of the list did, in order; undone from the last record back.
struct UndoStep {
    std::vector<UndoRecord> records;
    std::size_t bytes = 0;
};

} // namespace harvex2::core
