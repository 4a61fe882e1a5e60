#include "core/shell/EntryStore.h"

#include <iterator>

namespace harvex2::core {

void EntryStore::push(std::string_view text, EntryId id, bool checked) {
    slots_.emplace_back(texts_.add(text), id, checked);
}

void EntryStore::release(std::size_t first, std::size_t end) {
    for (std::size_t i = first; i < end; ++i) {
        texts_.release(slots_[i].place());
    }
}

void EntryStore::erase(std::size_t first, std::size_t end) {
    release(first, end);
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(first),
                 slots_.begin() + static_cast<std::ptrdiff_t>(end));
    compactIfWasteful();
}

void EntryStore::keepUnmarked(const std::vector<bool>& marked) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (marked[i]) {
            texts_.release(slots_[i].place());
            continue;
        }
        slots_[kept++] = slots_[i];
    }
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(kept), slots_.end());
    compactIfWasteful();
}

void EntryStore::clear() {
    slots_.clear();
    texts_.clear();
}

void EntryStore::insertRuns(const Runs& runs, const std::vector<LinkEntry>& entries) {
    std::vector<Slot> merged;
    merged.reserve(slots_.size() + entries.size());
    auto kept = slots_.begin();
    auto back = entries.begin();
    for (const auto& [first, length] : runs) {
        const auto before = static_cast<std::ptrdiff_t>(first - merged.size());
        merged.insert(merged.end(), kept, kept + before);
        kept += before;
        for (std::size_t n = 0; n < length; ++n, ++back) {
            merged.emplace_back(texts_.add(back->text), back->id, back->checked);
        }
    }
    merged.insert(merged.end(), kept, slots_.end());
    slots_ = std::move(merged);
}

void EntryStore::compactIfWasteful() {
    if (!texts_.wasteful()) {
        return;
    }
    TextArena fresh;
    for (Slot& slot : slots_) {
        slot.setPlace(fresh.add(texts_.at(slot.place())));
    }
    texts_ = std::move(fresh);
}

} // namespace harvex2::core
