#pragma once

#include "core/extract/HtmlBytes.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace harvex2::core {

// A tag's or an attribute's name in lower case, as far as the reader needs it: a name
// longer than any it knows is kept only as "too long".
class NameBuffer {
public:
    static constexpr std::size_t kLimit = 16;

    void clear() { length_ = 0; }
    // Adds the bytes [p, end) of the name, ASCII capitals folded. Inline: every tag and
    // attribute of a page passes here.
    void append(const char* p, const char* end) {
        const auto count = static_cast<std::size_t>(end - p);
        if (length_ + count > kLimit) {
            length_ = kLimit + 1;
            return;
        }
        std::memcpy(bytes_.data() + length_, p, count);
        length_ += count;
        html::foldName(bytes_.data(), bytes_.data());
    }
    // The whole name [p, end), in place of any before, from a piece that holds sixteen bytes
    // from `p` on: copied and folded in one move.
    void assignFromLongPiece(const char* p, const char* end) {
        const auto count = static_cast<std::size_t>(end - p);
        length_ = count > kLimit ? kLimit + 1 : count;
        html::foldName(p, bytes_.data());
    }
    // The first eight bytes of the name, zero after its end: with the length, it tells the
    // names the reader looks for from the others in one comparison.
    std::uint64_t head() const {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes_.data(), sizeof word);
        if constexpr (std::endian::native == std::endian::big) {
            word = __builtin_bswap64(word);
        }
        return length_ >= sizeof word ? word : word & ((std::uint64_t{1} << (8 * length_)) - 1);
    }
    // The name, or an empty view for one too long.
    std::string_view view() const {
        return length_ <= kLimit ? std::string_view(bytes_.data(), length_) : std::string_view();
    }
    // What head() gives for `name`, in lower case and no longer than the limit.
    static constexpr std::uint64_t headOf(std::string_view name) {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < name.size() && i < sizeof word; ++i) {
            word |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
        }
        return word;
    }

private:
    std::array<char, kLimit> bytes_{};
    std::size_t length_ = 0; // kLimit + 1 for a name too long
};

} // namespace harvex2::core
