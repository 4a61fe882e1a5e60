#pragma once

#include <array>
#include <cstdint>

namespace harvex2::core::html {

// The whitespace of the HTML tokenizer. A carriage return counts too: the input stream
// turns it into a line feed before any state sees it.
inline bool isSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f';
}

inline bool isAsciiLetter(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'z';
}

// Folds the ASCII capitals only, as tag and attribute names are folded.
inline char toLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
}

// The bytes that end the parts of a tag, looked up rather than compared one by one: a tag
// is mostly names and values, and each of their bytes is tested.
enum Stop : std::uint8_t { kSpace = 1, kSlash = 2, kGreater = 4, kEquals = 8 };
inline constexpr std::uint8_t kTagName = kSpace | kSlash | kGreater;
inline constexpr std::uint8_t kAttributeName = kTagName | kEquals;
inline constexpr std::uint8_t kUnquoted = kSpace | kGreater;

inline constexpr std::array<std::uint8_t, 256> kStops = [] {
    std::array<std::uint8_t, 256> stops{};
    for (const char c : {' ', '\t', '\n', '\r', '\f'}) {
        stops[static_cast<unsigned char>(c)] = kSpace;
    }
    stops['/'] = kSlash;
    stops['>'] = kGreater;
    stops['='] = kEquals;
    return stops;
}();

inline bool stops(char c, std::uint8_t which) {
    return (kStops[static_cast<unsigned char>(c)] & which) != 0;
}

// The first byte of [p, end) that is not one of `which`.
inline const char* skip(const char* p, const char* end, std::uint8_t which) {
    while (p != end && stops(*p, which)) {
        ++p;
    }
    return p;
}

// The first byte of [p, end) that is one of `which`.
inline const char* findStop(const char* p, const char* end, std::uint8_t which) {
    while (p != end && !stops(*p, which)) {
        ++p;
    }
    return p;
}

} // namespace harvex2::core::html
