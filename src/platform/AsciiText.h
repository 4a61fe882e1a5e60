#pragma once

#include <string>
#include <string_view>

namespace harvex2::platform {

// Letter case and blanks by ASCII alone, never by the locale: names in settings, profile
// and job files, extensions and histories must compare the same on every desktop, and a
// byte above 0x7F is never a letter (it may be part of a UTF-8 character).
class AsciiText {
public:
    static constexpr char lower(char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    static constexpr char upper(char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    // The value of a hexadecimal digit of either case, or -1 for any other byte.
    static constexpr int hexValue(char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        const char folded = lower(c);
        return folded >= 'a' && folded <= 'f' ? folded - 'a' + 10 : -1;
    }
    static std::string lower(std::string_view text);
    static std::string upper(std::string_view text);

    static bool equalsIgnoringCase(std::string_view a, std::string_view b);
    // Byte order after folding letters to lower case: bytes above 0x7F come after ASCII.
    static bool lessIgnoringCase(std::string_view a, std::string_view b);

    // `text` without any of the bytes of `blanks` at either end.
    static std::string_view trim(std::string_view text, std::string_view blanks = " \t");
};

} // namespace harvex2::platform
