#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace harvex2::core {

// One piece of a renaming mask as written: plain text, one of the caller's tags (such as
// "*name*"), or a counter "#N".
struct MaskPiece {
    enum class Kind { Text, Tag, Counter };
    Kind kind;
    std::string_view text; // as written
    std::size_t value = 0; // Tag: its index among the tags; Counter: N, 0 when too large
};

// The mask's pieces in order; plain text between tags is one piece.
std::vector<MaskPiece> maskPieces(std::string_view mask, std::span<const std::string_view> tags);

} // namespace harvex2::core
