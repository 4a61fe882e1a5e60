#include "core/shell/EntryDetails.h"

#include <utility>

namespace harvex2::core {

namespace {

template <typename Value> std::optional<Value> copied(const Value* value) {
    return value ? std::optional<Value>(*value) : std::nullopt;
}

template <typename Value>
void putBack(SideTable<Value>& table, EntryId id, std::optional<Value>& value) {
    if (value) {
        table.set(id, std::move(*value));
    }
}

} // namespace

std::size_t DetailSet::bytes() const {
    std::size_t total = sizeof(DetailSet);
    total += fileName ? fileName->capacity() : 0;
    total += referrer ? referrer->capacity() : 0;
    if (counters) {
        for (const std::string& counter : *counters) {
            total += sizeof(std::string) + counter.capacity();
        }
    }
    return total;
}

void EntryDetails::erase(EntryId id) {
    fileNames.erase(id);
    referrers.erase(id);
    counters.erase(id);
}

void EntryDetails::clear() {
    fileNames.clear();
    referrers.clear();
    counters.clear();
}

bool EntryDetails::empty() const {
    return fileNames.empty() && referrers.empty() && counters.empty();
}

DetailSet EntryDetails::take(EntryId id) {
    return {fileNames.take(id), referrers.take(id), counters.take(id)};
}

DetailSet EntryDetails::copyOf(EntryId id) const {
    return {copied(fileNames.find(id)), copied(referrers.find(id)), copied(counters.find(id))};
}

void EntryDetails::put(EntryId id, DetailSet set) {
    putBack(fileNames, id, set.fileName);
    putBack(referrers, id, set.referrer);
    putBack(counters, id, set.counters);
}

} // namespace harvex2::core
