#pragma once

#include "core/shell/EntryDetails.h"
#include "core/shell/OriginTable.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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
class LinkList {
public:
    struct Entry {
        std::string text;
        EntryId id = 0;
        OriginTable::Index origin = OriginTable::kNone;
        bool checked = false;
    };

    void setObserver(LinkListObserver* observer) { observer_ = observer; }

    // `origin` is the address of the page the link came from, empty when not known.
    // Returns the new entry's id.
    EntryId append(std::string text, std::string_view origin = {});
    // Appends in order with one notification, so that a view follows a long run cheaply.
    // The entries take consecutive ids from the one returned.
    EntryId appendAll(std::vector<std::string> texts, std::string_view origin = {});
    // Appends as appendAll does, each entry checked as the flag at its place in `checked`
    // says; the observer hears of the checked ones once.
    EntryId appendChecked(std::vector<std::string> texts, const std::vector<bool>& checked);
    std::size_t count() const { return entries_.size(); }
    const std::string& textAt(std::size_t index) const { return entries_[index].text; }
    bool checkedAt(std::size_t index) const { return entries_[index].checked; }
    EntryId idAt(std::size_t index) const { return entries_[index].id; }
    // Empty when the entry's page is not known.
    const std::string& originAt(std::size_t index) const {
        return origins_.at(entries_[index].origin);
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
    // Inverts the entries strictly between anchor and current, walking from the anchor
    // towards current; indices that name no entry (past the end, or -1) are skipped.
    void invertBetween(std::int64_t anchor, std::int64_t current);
    // Sets every entry's flag to what decide answers, in one pass; the observer hears once,
    // of the range from the first to the last entry that changed.
    void recheck(const std::function<bool(const Entry&)>& decide);

private:
    void setAllChecked(bool checked);
    void removeMarked(const std::vector<bool>& marked);
    void removeRuns(const std::vector<bool>& marked);
    void dropDetails(std::size_t first, std::size_t end);

    std::vector<Entry> entries_;
    OriginTable origins_;
    EntryDetails details_;
    EntryId nextId_ = 1;
    LinkListObserver* observer_ = nullptr;
};

} // namespace harvex2::core
