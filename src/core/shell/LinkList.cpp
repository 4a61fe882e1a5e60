#include "core/shell/LinkList.h"

#include <algorithm>
#include <utility>

namespace harvex2::core {

namespace {
// Above this many separate runs of removed entries a reset is cheaper for a view than
// one notification per run.
constexpr std::size_t kMaxRemovalRuns = 64;
} // namespace

EntryId LinkList::append(std::string text, std::string_view origin) {
    const std::string_view one[] = {text};
    return appendTexts(std::span(one), origin);
}

EntryId LinkList::appendAll(std::vector<std::string> texts, std::string_view origin) {
    return appendTexts(texts, origin);
}

EntryId LinkList::appendAll(std::span<const std::string_view> texts, std::string_view origin) {
    return appendTexts(texts, origin);
}

template <typename Texts>
EntryId LinkList::appendTexts(const Texts& texts, std::string_view origin) {
    const EntryId firstId = nextId_;
    if (texts.empty()) {
        return firstId;
    }
    const std::size_t first = entries_.size();
    if (observer_) {
        observer_->beginAppend(first, first + texts.size() - 1);
    }
    for (const auto& text : texts) {
        entries_.push(text, nextId_++, false);
    }
    originRuns_.set(firstId, nextId_, origins_.intern(origin));
    if (recording()) {
        history_->appended(texts.size());
    }
    changed(true);
    if (observer_) {
        observer_->endAppend();
    }
    return firstId;
}

EntryId LinkList::appendChecked(std::vector<std::string> texts, const std::vector<bool>& checked) {
    const std::size_t first = entries_.size();
    const EntryId firstId = appendTexts(texts, {});
    notifyChecked(first, checked);
    return firstId;
}

EntryId LinkList::appendChecked(std::span<const std::string_view> texts,
                                const std::vector<bool>& checked) {
    const std::size_t first = entries_.size();
    const EntryId firstId = appendTexts(texts, {});
    notifyChecked(first, checked);
    return firstId;
}

// Checks the entries from `first` on as `checked` says, and tells the observer once.
void LinkList::notifyChecked(std::size_t first, const std::vector<bool>& checked) {
    std::size_t firstChecked = entries_.size();
    std::size_t lastChecked = 0;
    for (std::size_t i = 0; i < checked.size(); ++i) {
        if (checked[i]) {
            entries_.setChecked(first + i, true);
            firstChecked = std::min(firstChecked, first + i);
            lastChecked = first + i;
        }
    }
    if (observer_ && firstChecked < entries_.size()) {
        observer_->checkedChanged(firstChecked, lastChecked);
    }
}

LinkList::Entry LinkList::entryAt(std::size_t index) const {
    const EntryId id = entries_.id(index);
    return {entries_.text(index), id, originRuns_.at(id), entries_.checked(index)};
}

void LinkList::changed(bool append) {
    ++revision_;
    if (!append) {
        reshapedAt_ = revision_;
    }
}

void LinkList::setChecked(std::size_t index, bool checked) {
    if (entries_.checked(index) == checked) {
        return;
    }
    entries_.setChecked(index, checked);
    if (recording()) {
        history_->flipped(index, entries_.size());
    }
    changed(false);
    if (observer_) {
        observer_->checkedChanged(index, index);
    }
}

void LinkList::removeAt(std::size_t index) {
    if (recording()) {
        std::vector<bool> marked(entries_.size());
        marked[index] = true;
        recordRemoval(marked);
    }
    if (observer_) {
        observer_->beginRemove(index, index);
    }
    dropDetails(index, index + 1);
    entries_.erase(index, index + 1);
    changed(false);
    if (observer_) {
        observer_->endRemove();
    }
}

void LinkList::clear() {
    if (entries_.empty()) {
        return;
    }
    if (recording()) {
        recordRemoval(std::vector<bool>(entries_.size(), true));
    }
    if (observer_) {
        observer_->beginReset();
    }
    entries_.clear();
    // Entries an undo may bring back still name their pages by index.
    if (!history_) {
        origins_.clear();
        originRuns_.clear();
    }
    details_.clear();
    changed(false);
    if (observer_) {
        observer_->endReset();
    }
}

void LinkList::dropDetails(std::size_t first, std::size_t end) {
    if (details_.empty()) {
        return;
    }
    for (std::size_t i = first; i < end; ++i) {
        details_.erase(entries_.id(i));
    }
}

void LinkList::selectAll() {
    setAllChecked(true);
}

void LinkList::deselectAll() {
    setAllChecked(false);
}

void LinkList::setAllChecked(bool checked) {
    if (recording()) {
        std::vector<bool> flips(entries_.size());
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            flips[i] = entries_.checked(i) != checked;
        }
        recordFlips(flips);
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_.setChecked(i, checked);
    }
    changed(false);
    if (observer_ && !entries_.empty()) {
        observer_->checkedChanged(0, entries_.size() - 1);
    }
}

void LinkList::invertSelection() {
    if (recording()) {
        recordFlips(std::vector<bool>(entries_.size(), true));
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_.setChecked(i, !entries_.checked(i));
    }
    changed(false);
    if (observer_ && !entries_.empty()) {
        observer_->checkedChanged(0, entries_.size() - 1);
    }
}

void LinkList::removeSelected() {
    std::vector<bool> marked(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        marked[i] = entries_.checked(i);
    }
    removeMarked(marked);
}

void LinkList::removeEntries(const std::vector<std::size_t>& indexes) {
    std::vector<bool> marked(entries_.size());
    for (const std::size_t index : indexes) {
        if (index < marked.size()) {
            marked[index] = true;
        }
    }
    removeMarked(marked);
}

void LinkList::removeMarked(const std::vector<bool>& marked) {
    std::size_t runs = 0;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i] && (i == 0 || !marked[i - 1])) {
            ++runs;
        }
    }
    if (runs == 0) {
        return;
    }
    if (recording()) {
        recordRemoval(marked);
    }
    changed(false);
    if (runs <= kMaxRemovalRuns && observer_) {
        removeRuns(marked);
        return;
    }
    if (observer_) {
        observer_->beginReset();
    }
    dropMarked(marked);
    if (observer_) {
        observer_->endReset();
    }
}

void LinkList::dropMarked(const std::vector<bool>& marked) {
    for (std::size_t i = 0; i < marked.size(); ++i) {
        if (marked[i]) {
            dropDetails(i, i + 1);
        }
    }
    entries_.keepUnmarked(marked);
}

void LinkList::removeAndCheck(const std::vector<bool>& removed,
                              const std::vector<std::size_t>& toCheck) {
    if (toCheck.empty() && std::find(removed.begin(), removed.end(), true) == removed.end()) {
        return;
    }
    if (recording()) {
        std::vector<bool> flips(entries_.size());
        for (const std::size_t index : toCheck) {
            flips[index] = !entries_.checked(index);
        }
        // The checks name places before the removal, so they are undone after it.
        recordFlips(flips);
        recordRemoval(removed);
    }
    changed(false);
    if (observer_) {
        observer_->beginReset();
    }
    for (const std::size_t index : toCheck) {
        entries_.setChecked(index, true);
    }
    dropMarked(removed);
    if (observer_) {
        observer_->endReset();
    }
}

// Few runs: each goes from the highest index down, so a view keeps its place.
void LinkList::removeRuns(const std::vector<bool>& marked) {
    std::size_t end = entries_.size();
    while (end > 0) {
        if (!marked[end - 1]) {
            --end;
            continue;
        }
        std::size_t first = end - 1;
        while (first > 0 && marked[first - 1]) {
            --first;
        }
        observer_->beginRemove(first, end - 1);
        dropDetails(first, end);
        entries_.erase(first, end);
        observer_->endRemove();
        end = first;
    }
}

void LinkList::invertBetween(std::int64_t anchor, std::int64_t current) {
    const std::int64_t step = current > anchor ? 1 : -1;
    const auto size = static_cast<std::int64_t>(entries_.size());
    for (std::int64_t i = anchor + step; i != current && anchor != current; i += step) {
        if (i >= 0 && i < size) {
            const auto index = static_cast<std::size_t>(i);
            setChecked(index, !entries_.checked(index));
        }
    }
}

void LinkList::recheck(const std::function<bool(const Entry&)>& decide) {
    std::vector<bool> flips(recording() ? entries_.size() : 0);
    std::size_t first = entries_.size();
    std::size_t last = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry entry = entryAt(i);
        const bool checked = decide(entry);
        if (checked != entry.checked) {
            entries_.setChecked(i, checked);
            first = std::min(first, i);
            last = i;
            if (!flips.empty()) {
                flips[i] = true;
            }
        }
    }
    if (first == entries_.size()) {
        return;
    }
    if (!flips.empty()) {
        recordFlips(flips);
    }
    changed(false);
    if (observer_) {
        observer_->checkedChanged(first, last);
    }
}

} // namespace harvex2::core
