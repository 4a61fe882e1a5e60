#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace harvex2::core {

// Writes a series number in decimal, filled with leading zeros to a minimum number of
// digits. A number with more digits is written in full, never cut.
class NumberPadding {
public:
    static constexpr int kMaxPositions = 224;

    // Positions of 0 or less pad nothing. Throws SequenceError "Format string too long"
    // above kMaxPositions.
    explicit NumberPadding(int positions = 0);

    int positions() const { return positions_; }

    // The text of `number`, valid until the next call on the same buffer.
    class Buffer {
        friend class NumberPadding;
        // The sign, the widest padding and the digits of a 32-bit number.
        std::array<char, 1 + kMaxPositions + 10> chars_{};
    };
    std::string_view format(std::int32_t number, Buffer& buffer) const;

private:
    int positions_;
};

} // namespace harvex2::core
