#include "core/sequence/NumberPadding.h"

#include "core/sequence/SequenceError.h"

#include <algorithm>
#include <charconv>

namespace harvex2::core {

NumberPadding::NumberPadding(int positions) : positions_(std::max(positions, 0)) {
    if (positions > kMaxPositions) {
        throw SequenceError("Format string too long");
    }
}

std::string_view NumberPadding::format(std::int32_t number, Buffer& buffer) const {
    char* const begin = buffer.chars_.data();
    char* at = begin;
    if (number < 0) {
        *at++ = '-';
    }
    // The magnitude of the lowest number does not fit its own type.
    const auto magnitude =
        static_cast<std::uint32_t>(number < 0 ? -static_cast<std::int64_t>(number) : number);
    char digits[10];
    const auto written = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const auto length = static_cast<int>(written - digits);
    if (length < positions_) {
        at = std::fill_n(at, positions_ - length, '0');
    }
    at = std::copy(digits, written, at);
    return {begin, static_cast<std::size_t>(at - begin)};
}

} // namespace harvex2::core
