#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace harvex2::core {

// What the ledger knows in memory: for each link and target it was sent to, the link's
// hash, the target's number and the time, 16 bytes a slot. The slots form one array kept
// in order of hash and target, with free slots between them: an entry sits at or soon
// after the slot its hash points at, so a lookup reads a few neighbouring slots, and
// growing the array is one pass in order.
class SentIndex {
public:
    struct Sent {
        std::uint16_t target;
        std::uint32_t time; // seconds since 1970, UTC
    };

    // Adds the pair, or sets its time when it is there.
    void put(std::uint64_t hash, std::uint16_t target, std::uint32_t time);
    void erase(std::uint64_t hash, std::uint16_t target);
    std::optional<std::uint32_t> find(std::uint64_t hash, std::uint16_t target) const;
    // The latest sending of the link to any target.
    std::optional<Sent> latest(std::uint64_t hash) const;
    // Room for about `entries` entries in all, made at once rather than by growing.
    void reserve(std::size_t entries);
    // Gives back room that a reserve made too large, or that removals left empty.
    void fit();
    // Hints the memory system that the slots of `hash` are about to be read.
    void prefetch(std::uint64_t hash) const;

    std::size_t size() const { return count_; }
    std::size_t memoryBytes() const { return slots_.capacity() * sizeof(Slot); }

private:
    struct Slot {
        std::uint64_t hash = 0; // 0: free
        std::uint32_t time = 0;
        std::uint16_t target = 0;
    };
    static_assert(sizeof(Slot) == 16);

    std::size_t home(std::uint64_t hash) const;
    // The first slot from the hash's home on that is free or holds an entry not before it.
    std::size_t seek(std::uint64_t hash, std::uint16_t target) const;
    bool holds(std::size_t at, std::uint64_t hash, std::uint16_t target) const;
    void rebuild(std::size_t capacity);

    std::vector<Slot> slots_;
    std::size_t capacity_ = 0; // slots a hash may point at; the rest are room to shift into
    std::size_t count_ = 0;
};

} // namespace harvex2::core
