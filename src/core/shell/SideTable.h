#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>

namespace harvex2::core {

// Names one entry of the link list for as long as the program runs: never given twice, and
// kept through removals and reordering.
using EntryId = std::uint64_t;

// A value that some entries carry and most do not, keyed by the entry's id, so that an
// entry without one costs nothing.
template <typename Value> class SideTable {
public:
    void set(EntryId id, Value value) { values_.insert_or_assign(id, std::move(value)); }
    // The entry's value, or null when it has none.
    const Value* find(EntryId id) const {
        const auto found = values_.find(id);
        return found == values_.end() ? nullptr : &found->second;
    }
    void erase(EntryId id) { values_.erase(id); }
    // The entry's value, moved out of the table; nullopt when it had none.
    std::optional<Value> take(EntryId id) {
        const auto found = values_.find(id);
        if (found == values_.end()) {
            return std::nullopt;
        }
        std::optional<Value> value(std::move(found->second));
        values_.erase(found);
        return value;
    }
    void clear() { values_.clear(); }
    bool empty() const { return values_.empty(); }
    std::size_t size() const { return values_.size(); }

private:
    std::unordered_map<EntryId, Value> values_;
};

} // namespace harvex2::core
