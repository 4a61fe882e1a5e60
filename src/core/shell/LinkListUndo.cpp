#include "core/shell/LinkList.h"

#include <algorithm>
#include <utility>

// The link list's side of undo: recording what a change did, and taking it back.
namespace harvex2::core {

namespace {
// What an entry keeps in memory while an undo step holds it.
std::size_t heldBytes(std::string_view text) {
    constexpr std::size_t kInline = std::string().capacity();
    return sizeof(LinkEntry) + (text.size() > kInline ? text.size() + 1 : 0);
}
} // namespace

void LinkList::restore(Saved saved) {
    if (saved.entries.empty()) {
        return;
    }
    std::vector<OriginTable::Index> origins;
    for (const std::string& origin : saved.origins) {
        origins.push_back(origins_.intern(origin));
    }
    const std::size_t first = entries_.size();
    if (observer_) {
        observer_->beginAppend(first, first + saved.entries.size() - 1);
    }
    for (const LinkEntry& entry : saved.entries) {
        nextId_ = std::max(nextId_, entry.id + 1);
        entries_.push(entry.text, entry.id, entry.checked);
        originRuns_.set(entry.id, entry.id + 1,
                        entry.origin < origins.size() ? origins[entry.origin] : OriginTable::kNone);
    }
    for (auto& [id, set] : saved.details) {
        details_.put(id, std::move(set));
    }
    if (recording()) {
        history_->appended(saved.entries.size());
    }
    changed(true);
    if (observer_) {
        observer_->endAppend();
    }
}

void LinkList::recordFlips(const std::vector<bool>& flips) {
    const auto first = std::find(flips.begin(), flips.end(), true);
    if (first == flips.end()) {
        return;
    }
    const auto last = std::find(flips.rbegin(), flips.rend(), true).base();
    history_->flippedRange(
        {static_cast<std::size_t>(first - flips.begin()), std::vector<bool>(first, last)});
}

// Moves the marked entries and their details into the history before they leave the list.
void LinkList::recordRemoval(const std::vector<bool>& marked) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        bytes += marked[i] ? heldBytes(entries_.text(i)) : 0;
    }
    if (!history_->keeps(bytes)) {
        return;
    }
    RemovedEntries removal;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (!marked[i]) {
            continue;
        }
        if (i == 0 || !marked[i - 1]) {
            removal.runs.emplace_back(i, 0);
        }
        ++removal.runs.back().second;
        const EntryId id = entries_.id(i);
        if (!details_.empty()) {
            if (DetailSet set = details_.take(id); !set.empty()) {
                bytes += set.bytes();
                removal.details.emplace_back(id, std::move(set));
            }
        }
        removal.entries.push_back(
            {std::string(entries_.text(i)), id, originRuns_.at(id), entries_.checked(i)});
    }
    bytes += removal.runs.size() * sizeof(removal.runs[0]);
    history_->removed(std::move(removal), bytes);
}

void LinkList::undo() {
    if (!history_) {
        return;
    }
    std::optional<UndoStep> step = history_->takeLast();
    if (!step) {
        return;
    }
    for (auto record = step->records.rbegin(); record != step->records.rend(); ++record) {
        if (const auto* run = std::get_if<AppendedRun>(&*record)) {
            undoAppend(*run);
        } else if (auto* removal = std::get_if<RemovedEntries>(&*record)) {
            undoRemoval(*removal);
        } else {
            undoFlips(std::get<FlippedChecks>(*record));
        }
    }
    changed(false);
}

void LinkList::undoAppend(const AppendedRun& run) {
    const std::size_t first = entries_.size() - run.count;
    if (observer_) {
        observer_->beginRemove(first, entries_.size() - 1);
    }
    dropDetails(first, entries_.size());
    entries_.erase(first, entries_.size());
    if (observer_) {
        observer_->endRemove();
    }
}

void LinkList::undoRemoval(RemovedEntries& removal) {
    if (observer_) {
        observer_->beginReset();
    }
    entries_.insertRuns(removal.runs, removal.entries);
    for (auto& [id, set] : removal.details) {
        details_.put(id, std::move(set));
    }
    if (observer_) {
        observer_->endReset();
    }
}

void LinkList::undoFlips(const FlippedChecks& flips) {
    for (std::size_t i = 0; i < flips.flipped.size(); ++i) {
        if (flips.flipped[i]) {
            entries_.setChecked(flips.first + i, !entries_.checked(flips.first + i));
        }
    }
    if (observer_) {
        observer_->checkedChanged(flips.first, flips.first + flips.flipped.size() - 1);
    }
}

} // namespace harvex2::core
