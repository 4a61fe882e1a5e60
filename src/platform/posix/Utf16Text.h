#pragma once

#include <string>
#include <string_view>

namespace harvex2::platform {

// Conversions between UTF-8 text and the UTF-16LE bytes the store's hex(1) form carries.
class Utf16Text {
public:
    // Strict: overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    static bool isValidUtf8(std::string_view bytes);
    // `utf8` must be valid UTF-8.
    static std::string fromUtf8(std::string_view utf8);
    // An odd last byte is dropped; an unpaired surrogate becomes U+FFFD.
    static std::string toUtf8(std::string_view utf16le);
};

} // namespace harvex2::platform
