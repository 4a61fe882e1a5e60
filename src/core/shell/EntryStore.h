#pragma once

#include "core/shell/LinkEntry.h"
#include "core/shell/TextArena.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace harvex2::core {

// The entries of the link list in their order: sixteen bytes each for the place of the
// text, the check flag and the id, with the texts themselves side by side in one arena.
class EntryStore {
public:
    // (first index, length) of entries put back, ascending by index after the insertion.
    using Runs = std::vector<std::pair<std::size_t, std::size_t>>;

    std::size_t size() const { return slots_.size(); }
    bool empty() const { return slots_.empty(); }
    std::string_view text(std::size_t index) const { return texts_.at(slots_[index].place()); }
    EntryId id(std::size_t index) const { return slots_[index].id; }
    bool checked(std::size_t index) const { return slots_[index].checked(); }
    void setChecked(std::size_t index, bool checked) { slots_[index].setChecked(checked); }

    void push(std::string_view text, EntryId id, bool checked);
    // Drops the entries from `first` up to but not including `end`.
    void erase(std::size_t first, std::size_t end);
    // Drops the marked entries; the others keep their order.
    void keepUnmarked(const std::vector<bool>& marked);
    void clear();
    // The entries of `entries`, in order, back at the places `runs` give.
    void insertRuns(const Runs& runs, const std::vector<LinkEntry>& entries);

private:
    // The place's unused top bit keeps the check flag.
    struct Slot {
        Slot(TextArena::Place where, EntryId entry, bool isChecked)
            : bits(where | (isChecked ? TextArena::kUnusedBit : 0)), id(entry) {}
        TextArena::Place place() const { return bits & ~TextArena::kUnusedBit; }
        bool checked() const { return (bits & TextArena::kUnusedBit) != 0; }
        void setChecked(bool isChecked) {
            bits = place() | (isChecked ? TextArena::kUnusedBit : 0);
        }
        void setPlace(TextArena::Place where) { bits = where | (bits & TextArena::kUnusedBit); }

        TextArena::Place bits;
        EntryId id;
    };

    void release(std::size_t first, std::size_t end);
    // Copies the texts still used into a fresh arena once removals left more garbage than
    // texts, so that memory follows the list down as it follows it up.
    void compactIfWasteful();

    TextArena texts_;
    std::vector<Slot> slots_;
};

} // namespace harvex2::core
