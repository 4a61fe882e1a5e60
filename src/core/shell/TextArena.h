#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace harvex2::core {

// Texts side by side in a few large blocks, each found again by a 64-bit place: one
// allocation per megabyte rather than one per text, and a text costs its bytes and a
// length byte or two. Blocks are never moved, so adding stays as cheap at ten million
// texts as at the first. Bytes of texts no longer used stay until compacted().
class TextArena {
public:
    using Place = std::uint64_t;
    // The highest bit of a place is never set: a holder may keep a flag there.
    static constexpr Place kUnusedBit = Place{1} << 63;

    // Copies `text` in; the place stays valid until clear() or compacted().
    Place add(std::string_view text);
    std::string_view at(Place place) const {
        const auto* start =
            reinterpret_cast<const unsigned char*>(blocks_[place >> kOffsetBits].get()) +
            (place & kOffsetMask);
        if (*start < 0x80) {
            return {reinterpret_cast<const char*>(start + 1), *start};
        }
        return longAt(start);
    }
    // Counts the text's bytes as garbage, for the next compaction to reclaim.
    void release(Place place);
    // Garbage outweighs the texts still used: a compaction pays for itself.
    bool wasteful() const;
    void clear();
    // The bytes of the texts still used, length bytes included.
    std::size_t usedBytes() const { return filled_ - garbage_; }

private:
    static constexpr unsigned kOffsetBits = 40;
    static constexpr Place kOffsetMask = (Place{1} << kOffsetBits) - 1;

    static std::string_view longAt(const unsigned char* start);
    char* room(std::size_t bytes, Place& place);

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t current_ = 0; // the block small texts go to, when there is one
    std::size_t currentSize_ = 0;
    std::size_t used_ = 0; // bytes taken in the current block
    std::size_t filled_ = 0;
    std::size_t garbage_ = 0;
};

} // namespace harvex2::core
