#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// Character references in an attribute value, decoded as HTML5 decodes them.
class CharacterReferences {
public:
    // Appends `raw` to `out` with each reference replaced by its characters in UTF-8.
    // A named reference without ";" followed by "=" or a letter or digit stays as
    // written, as in a browser, so that `?a=1&copy=2` keeps its parameter.
    static void decodeAttribute(std::string_view raw, std::string& out);

    // `code` in UTF-8; a surrogate or a number beyond Unicode gives U+FFFD.
    static void appendUtf8(char32_t code, std::string& out);

private:
    // Each returns how many bytes of `rest` (which begins after the "&") it consumed, 0
    // when they are no reference.
    static std::size_t decodeNumeric(std::string_view rest, std::string& out);
    static std::size_t decodeNamed(std::string_view rest, std::string& out);
};

} // namespace harvex2::core
