#include "core/extract/LinkBounds.h"

namespace harvex2::core {

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view lowerWord) {
    if (at + lowerWord.size() > text.size()) {
        return false;
    }
    for (std::size_t i = 0; i < lowerWord.size(); ++i) {
        if (lower(text[at + i]) != lowerWord[i]) {
            return false;
        }
    }
    return true;
}

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

} // namespace

bool LinkBounds::isBbcodeTag(std::string_view text, std::size_t at) {
    return matchesAt(text, at, "[url=");
}

bool LinkBounds::isClosingTag(std::string_view text, std::size_t at) {
    return matchesAt(text, at, "[/url]") || matchesAt(text, at, "[/img]");
}

bool LinkBounds::isUnicodeStop(std::string_view text, std::size_t i) {
    const auto at = [&](std::size_t k) -> unsigned char {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
    };
    const unsigned char b1 = at(1);
    const unsigned char b2 = at(2);
    switch (at(0)) {
    case 0xc2: // C1 controls, no-break space
        return inRange(b1, 0x80, 0xa0);
    case 0xe1: // Ogham space
        return b1 == 0x9a && b2 == 0x80;
    case 0xe2: // the spaces of U+2000-U+200B, curly double quotes, separators, narrow spaces
        return (b1 == 0x80 && (inRange(b2, 0x80, 0x8b) || b2 == 0x9c || b2 == 0x9d || b2 == 0xa8 ||
                               b2 == 0xa9 || b2 == 0xaf)) ||
               (b1 == 0x81 && b2 == 0x9f);
    case 0xe3: // ideographic space, 、。〃 and the CJK brackets
        return b1 == 0x80 &&
               (inRange(b2, 0x80, 0x83) || inRange(b2, 0x88, 0x91) || inRange(b2, 0x94, 0x9f));
    case 0xef: // full-width punctuation, vertical and small forms, the byte order mark
        return (b1 == 0xbc &&
                (inRange(b2, 0x81, 0x8f) || inRange(b2, 0x9a, 0xa0) || inRange(b2, 0xbb, 0xbf))) ||
               (b1 == 0xbd && (b2 == 0x80 || inRange(b2, 0x9b, 0xa5))) ||
               (b1 == 0xb8 && (inRange(b2, 0x90, 0x99) || inRange(b2, 0xb0, 0xbf))) ||
               (b1 == 0xb9 && inRange(b2, 0x80, 0xaf)) || (b1 == 0xbb && b2 == 0xbf);
    default:
        return false;
    }
}

} // namespace harvex2::core
