#pragma once

#include "core/shell/EntryDetails.h"
#include "core/shell/EntryStore.h"
#include "core/shell/LinkEntry.h"
#include "core/shell/OriginRuns.h"
#include "core/shell/OriginTable.h"
#include "core/shell/UndoHistory.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// Told about every change so a view can follow the list without copying it.
class LinkListObserver {
public:
    virtual ~LinkListObserver() = default;
    virtual void beginAppend(std::size_t first, std::size_t last) = 0;
    virtual void endAppend() = 0;
    virtual void beginRemove(std::size_t first, std::size_t last) = 0;
    virtual void endRemove() = 0;
    virtual void checkedChanged(std::size_t first, std::size_t last) = 0;
    // Many scattered removals at once are cheaper to show as a fresh list.
    virtual void beginReset() = 0;
    virtual void endReset() = 0;
};

// The harvested links: texts kept exactly as appended, each with a checked flag, an id of
// its own and the page it came from. What only some entries carry lives in details().
// Texts handed out as views stay valid until the list next changes.
class LinkList {
public:
    using Entry = LinkEntryView;

    // Entries saved elsewhere, coming back with their own ids: `origin` indexes `origins`.
    struct Saved {
        std::vector<std::string> origins{std::string()};
        std::vector<LinkEntry> entries;
        std::vector<std::pair<EntryId, DetailSet>> details;
    };

    void setObserver(LinkListObserver* observer) { observer_ = observer; }
    // Every change from now on is recorded there, until it is set to null.
    void setHistory(UndoHistory* history) { history_ = history; }
    bool canUndo() const { return history_ && history_->canUndo(); }
    // Undoes the last recorded change: ids, origins, checks and details come back as they were.
    void undo();

    // `origin` is the address of the page the link came from, empty when not known.
    // Returns the new entry's id.
    EntryId append(std::string text, std::string_view origin = {});
    // Appends in order with one notification, so that a view follows a long run cheaply.
    // The entries take consecutive ids from the one returned.
    EntryId appendAll(std::vector<std::string> texts, std::string_view origin = {});
    // The same from texts that stay where they are: each is copied once, into the list.
    EntryId appendAll(std::span<const std::string_view> texts, std::string_view origin = {});
    // Appends as appendAll does, each entry checked as the flag at its place in `checked`
    // says; the observer hears of the checked ones once.
    EntryId appendChecked(std::vector<std::string> texts, const std::vector<bool>& checked);
    // The same from texts that stay where they are: each is copied once, into the list.
    EntryId appendChecked(std::span<const std::string_view> texts,
                          const std::vector<bool>& checked);
    std::size_t count() const { return entries_.size(); }
    std::string_view textAt(std::size_t index) const { return entries_.text(index); }
    bool checkedAt(std::size_t index) const { return entries_.checked(index); }
    EntryId idAt(std::size_t index) const { return entries_.id(index); }
    // Empty when the entry's page is not known.
    const std::string& originAt(std::size_t index) const {
        return origins_.at(originRuns_.at(entries_.id(index)));
    }
    EntryDetails& details() { return details_; }
    const EntryDetails& details() const { return details_; }
    void setChecked(std::size_t index, bool checked);
    void removeAt(std::size_t index);
    void clear();

    void selectAll();
    void deselectAll();
    void invertSelection();
    // One pass over the list, however many entries are checked.
    void removeSelected();
    // Removes the entries at these indexes, in any order, in one pass over the list; an
    // index named twice removes one entry, one that names no entry is skipped.
    void removeEntries(const std::vector<std::size_t>& indexes);
    // Removes the marked entries and checks the entries at `toCheck`, as one change: the
    // observer hears one reset.
    void removeAndCheck(const std::vector<bool>& removed, const std::vector<std::size_t>& toCheck);
    // Inverts the entries strictly between anchor and current, walking from the anchor
    // towards current; indices that name no entry (past the end, or -1) are skipped.
    void invertBetween(std::int64_t anchor, std::int64_t current);
    // Appends saved entries with their ids, as one change; later ids are given after them.
    void restore(Saved saved);
    // Counts every change; what changed since a count can be told from reshapedAt().
    std::uint64_t revision() const { return revision_; }
    // The revision of the last change other than an append.
    std::uint64_t reshapedAt() const { return reshapedAt_; }
    const OriginTable& origins() const { return origins_; }
    Entry entryAt(std::size_t index) const;

    // Sets every entry's flag to what decide answers, in one pass; the observer hears once,
    // of the range from the first to the last entry that changed.
    void recheck(const std::function<bool(const Entry&)>& decide);

private:
    void setAllChecked(bool checked);
    void changed(bool append);
    bool recording() const { return history_ && history_->recording(); }
    void recordFlips(const std::vector<bool>& flips);
    void recordRemoval(const std::vector<bool>& marked);
    void undoAppend(const AppendedRun& run);
    void undoRemoval(RemovedEntries& removal);
    void undoFlips(const FlippedChecks& flips);
    void removeMarked(const std::vector<bool>& marked);
    void removeRuns(const std::vector<bool>& marked);
    void dropMarked(const std::vector<bool>& marked);
    void dropDetails(std::size_t first, std::size_t end);

    template <typename Texts> EntryId appendTexts(const Texts& texts, std::string_view origin);
    void notifyChecked(std::size_t first, const std::vector<bool>& checked);

    EntryStore entries_;
    OriginTable origins_;
    OriginRuns originRuns_;
    EntryDetails details_;
    EntryId nextId_ = 1;
    LinkListObserver* observer_ = nullptr;
    UndoHistory* history_ = nullptr;
    std::uint64_t revision_ = 0;
    std::uint64_t reshapedAt_ = 0;
};

} // namespace harvex2::core
