#include "core/ledger/SentIndex.h"

#include <algorithm>
#include <cstdint>
#include <sys/mman.h>

namespace harvex2::core {

namespace {

__extension__ using Wide = unsigned __int128;

// Between these fill levels a slot of 16 bytes costs 19 to 23 bytes an entry.
constexpr double kFullest = 0.85;
constexpr double kAfterRebuild = 0.7;
// Below this, fit() makes the array smaller.
constexpr double kEmptiest = 0.55;
// A reserve for the entries expected leaves them this full.
constexpr double kReserved = 0.78;
constexpr std::size_t kSmallest = 64;
// Room past the last home slot, so that entries pointing near the end need not wrap.
constexpr std::size_t kTail = 256;

// Lookups land anywhere in the array: with pages of 2 MB instead of 4 KB the processor
// finds where far fewer of them are. Only a hint; the system may decline.
void askForLargePages(void* start, std::size_t bytes) {
    constexpr std::uintptr_t kLarge = std::uintptr_t{1} << 21;
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + kLarge - 1) & ~(kLarge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(kLarge - 1);
    if (end > first) {
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
}

} // namespace

std::size_t SentIndex::home(std::uint64_t hash) const {
    // Ordered like the hashes themselves, which keeps the array sorted.
    return static_cast<std::size_t>((static_cast<Wide>(hash) * capacity_) >> 64);
}

bool SentIndex::holds(std::size_t at, std::uint64_t hash, std::uint16_t target) const {
    return slots_[at].hash == hash && slots_[at].target == target;
}

std::size_t SentIndex::seek(std::uint64_t hash, std::uint16_t target) const {
    std::size_t at = home(hash);
    while (at < slots_.size() && slots_[at].hash != 0 &&
           (slots_[at].hash < hash || (slots_[at].hash == hash && slots_[at].target < target))) {
        ++at;
    }
    return at;
}

void SentIndex::put(std::uint64_t hash, std::uint16_t target, std::uint32_t time) {
    if (static_cast<double>(count_ + 1) > kFullest * static_cast<double>(capacity_)) {
        rebuild(std::max(
            kSmallest, static_cast<std::size_t>(static_cast<double>(count_ + 1) / kAfterRebuild)));
    }
    const std::size_t at = seek(hash, target);
    if (at < slots_.size() && holds(at, hash, target)) {
        slots_[at].time = time;
        return;
    }
    std::size_t free = at;
    while (free < slots_.size() && slots_[free].hash != 0) {
        ++free;
    }
    if (free == slots_.size()) {
        rebuild(capacity_ * 2);
        put(hash, target, time);
        return;
    }
    std::move_backward(slots_.begin() + static_cast<std::ptrdiff_t>(at),
                       slots_.begin() + static_cast<std::ptrdiff_t>(free),
                       slots_.begin() + static_cast<std::ptrdiff_t>(free + 1));
    slots_[at] = Slot{hash, time, target};
    ++count_;
}

void SentIndex::erase(std::uint64_t hash, std::uint16_t target) {
    std::size_t at = seek(hash, target);
    if (at == slots_.size() || !holds(at, hash, target)) {
        return;
    }
    // The entries after it move back while that keeps them at or after their home slots.
    while (at + 1 < slots_.size() && slots_[at + 1].hash != 0 && home(slots_[at + 1].hash) <= at) {
        slots_[at] = slots_[at + 1];
        ++at;
    }
    slots_[at] = Slot{};
    --count_;
}

std::optional<std::uint32_t> SentIndex::find(std::uint64_t hash, std::uint16_t target) const {
    const std::size_t at = seek(hash, target);
    if (at < slots_.size() && holds(at, hash, target)) {
        return slots_[at].time;
    }
    return std::nullopt;
}

std::optional<SentIndex::Sent> SentIndex::latest(std::uint64_t hash) const {
    std::optional<Sent> found;
    for (std::size_t at = seek(hash, 0); at < slots_.size() && slots_[at].hash == hash; ++at) {
        if (!found || slots_[at].time >= found->time) {
            found = Sent{slots_[at].target, slots_[at].time};
        }
    }
    return found;
}

void SentIndex::reserve(std::size_t entries) {
    const auto capacity = static_cast<std::size_t>(static_cast<double>(entries) / kReserved);
    if (capacity > capacity_) {
        rebuild(capacity);
    }
}

void SentIndex::fit() {
    if (capacity_ > kSmallest &&
        static_cast<double>(count_) < kEmptiest * static_cast<double>(capacity_)) {
        rebuild(std::max(kSmallest,
                         static_cast<std::size_t>(static_cast<double>(count_) / kAfterRebuild)));
    }
}

void SentIndex::prefetch(std::uint64_t hash) const {
    if (capacity_ != 0) {
        __builtin_prefetch(&slots_[home(hash)]);
    }
}

void SentIndex::rebuild(std::size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    capacity_ = capacity;
    slots_ = std::vector<Slot>();
    slots_.reserve(capacity + kTail);
    askForLargePages(slots_.data(), (capacity + kTail) * sizeof(Slot));
    slots_.resize(capacity + kTail);
    std::size_t next = 0;
    for (const Slot& slot : old) {
        if (slot.hash == 0) {
            continue;
        }
        const std::size_t at = std::max(home(slot.hash), next);
        if (at == slots_.size()) {
            slots_ = std::move(old);
            rebuild(capacity * 2);
            return;
        }
        slots_[at] = slot;
        next = at + 1;
    }
}

} // namespace harvex2::core
