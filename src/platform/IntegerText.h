#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::platform {

// Reads a whole number the way the program reads typed text: leading spaces, an optional
// sign, then decimal digits, or hexadecimal digits after "$" or "0x". Nothing may follow.
// Decimal text must fit 32 bits; hexadecimal text gives a 32-bit pattern, so "$FFFFFFFF"
// is -1.
class IntegerText {
public:
    // Throws ConversionError "'<text>' is not a valid integer value".
    static std::int32_t parse(const std::string& text);
    static std::optional<std::int32_t> tryParse(std::string_view text);
};

} // namespace harvex2::platform
