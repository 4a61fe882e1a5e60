#pragma once

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

} // namespace harvex2::core::html
