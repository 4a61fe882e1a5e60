#pragma once

#include "core/extract/HtmlBytes.h"

#include <array>
#include <cstddef>
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
        for (std::size_t i = 0; i < count; ++i) {
            bytes_[length_ + i] = html::toLower(p[i]);
        }
        length_ += count;
    }
    // The name, or an empty view for one too long.
    std::string_view view() const {
        return length_ <= kLimit ? std::string_view(bytes_.data(), length_) : std::string_view();
    }

private:
    std::array<char, kLimit> bytes_{};
    std::size_t length_ = 0; // kLimit + 1 for a name too long
};

} // namespace harvex2::core
