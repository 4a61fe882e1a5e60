#include "core/extract/CharacterReferences.h"

#include "core/extract/NamedReferences.h"

#include <algorithm>
#include <cstdint>

namespace harvex2::core {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kBeyondUnicode = 0x110000;

// What `&#128;` to `&#159;` stand for: the characters of Windows-1252 at those bytes, as
// pages written in that encoding meant them. Zero where Windows-1252 has no character.
constexpr char16_t kWindows1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiAlphanumeric(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return isDigit(c) || (lower >= 'a' && lower <= 'z');
}

int digitValue(char c, bool hex) {
    if (isDigit(c)) {
        return c - '0';
    }
    const char lower = static_cast<char>(c | 0x20);
    return hex && lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

char32_t numericCharacter(char32_t code) {
    if (code == 0 || code >= kBeyondUnicode || (code >= 0xD800 && code <= 0xDFFF)) {
        return kReplacement;
    }
    if (code >= 0x80 && code <= 0x9F && kWindows1252[code - 0x80] != 0) {
        return kWindows1252[code - 0x80];
    }
    return code;
}

} // namespace

void CharacterReferences::decodeAttribute(std::string_view raw, std::string& out) {
    for (std::size_t amp = raw.find('&'); amp != std::string_view::npos; amp = raw.find('&')) {
        out.append(raw.substr(0, amp));
        const std::string_view rest = raw.substr(amp + 1);
        std::size_t used = 0;
        if (!rest.empty()) {
            used = rest.front() == '#' ? decodeNumeric(rest, out) : decodeNamed(rest, out);
        }
        if (used == 0) {
            out.push_back('&');
        }
        raw = rest.substr(used);
    }
    out.append(raw);
}

std::size_t CharacterReferences::decodeNumeric(std::string_view rest, std::string& out) {
    std::size_t i = 1;
    const bool hex = i < rest.size() && (rest[i] | 0x20) == 'x';
    i += hex ? 1 : 0;
    const std::size_t firstDigit = i;
    char32_t code = 0;
    for (int digit = 0; i < rest.size() && (digit = digitValue(rest[i], hex)) >= 0; ++i) {
        // Held just past the last character, however many digits follow.
        code = std::min<char32_t>(code * (hex ? 16 : 10) + static_cast<char32_t>(digit),
                                  kBeyondUnicode);
    }
    if (i == firstDigit) {
        return 0;
    }
    if (i < rest.size() && rest[i] == ';') {
        ++i;
    }
    appendUtf8(numericCharacter(code), out);
    return i;
}

std::size_t CharacterReferences::decodeNamed(std::string_view rest, std::string& out) {
    std::size_t run = 0;
    while (run < rest.size() && run < NamedReferences::kLongestName &&
           isAsciiAlphanumeric(rest[run])) {
        ++run;
    }
    if (run < rest.size() && rest[run] == ';') {
        ++run;
    }
    const NamedReference* found = NamedReferences::longestPrefixOf(rest.substr(0, run));
    if (!found) {
        return 0;
    }
    const std::string_view name = found->name;
    if (name.back() != ';' && name.size() < rest.size() &&
        (rest[name.size()] == '=' || isAsciiAlphanumeric(rest[name.size()]))) {
        return 0;
    }
    out.append(found->text);
    return name.size();
}

void CharacterReferences::appendUtf8(char32_t code, std::string& out) {
    if (code >= kBeyondUnicode || (code >= 0xD800 && code <= 0xDFFF)) {
        code = kReplacement;
    }
    const auto byte = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

} // namespace harvex2::core
