#include "core/extract/TextLinks.h"

#include "core/extract/LinkCandidates.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace harvex2::core {

namespace {

enum class ByteKind : unsigned char { Plain, Stop, Bracket, Lead };

constexpr std::array<ByteKind, 256> kinds() {
    std::array<ByteKind, 256> table{};
    for (std::size_t b = 0; b <= 0x20; ++b) {
        table[b] = ByteKind::Stop;
    }
    for (const char c : {'<', '>', '"', '`', '\x7f'}) {
        table[static_cast<unsigned char>(c)] = ByteKind::Stop;
    }
    for (const char c : {'(', ')', '[', ']'}) {
        table[static_cast<unsigned char>(c)] = ByteKind::Bracket;
    }
    // The lead bytes of the Unicode spaces and punctuation that end a link.
    for (const std::size_t b : {0xc2u, 0xe1u, 0xe2u, 0xe3u, 0xefu}) {
        table[b] = ByteKind::Lead;
    }
    return table;
}

constexpr std::array<ByteKind, 256> kKinds = kinds();

ByteKind kindOf(char c) {
    return kKinds[static_cast<unsigned char>(c)];
}

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

bool isAsciiWordChar(char c) {
    const char l = lower(c);
    return (l >= 'a' && l <= 'z') || (c >= '0' && c <= '9');
}

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

// Whether the UTF-8 sequence at `i` is a space, a C1 control or CJK or full-width
// punctuation. Bytes that are not UTF-8 belong to the link.
bool isUnicodeStop(std::string_view text, std::size_t i) {
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

bool isTrailingPunctuation(char c) {
    return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == '\'';
}

// What a scheme glued to the text before is part of: a word or another scheme.
bool gluesScheme(char c) {
    return isAsciiWordChar(c) || c == '+' || c == '-' || c == '.';
}

// What a `www.` host glued to the text before is part of: a longer host, an address, a
// path, an e-mail address.
bool gluesHost(char c) {
    return isAsciiWordChar(c) || c == '.' || c == '-' || c == '_' || c == '/' || c == '@' ||
           c == ':' || c == '%';
}

} // namespace

TextLinks::TextLinks(Destination destination) : destination_(std::move(destination)) {}

std::size_t TextLinks::schemeStart(std::string_view text, std::size_t colon) {
    // The eight bytes before the colon, folded to lower case where they are letters and
    // padded in front with blanks: the schemes are told apart by compares, not by a loop.
    std::array<char, 8> before{};
    const std::size_t count = std::min<std::size_t>(colon, before.size());
    std::memcpy(before.end() - count, text.data() + colon - count, count);
    for (char& c : before) {
        c = static_cast<char>(c | 0x20);
    }
    const auto endsWith = [&](std::string_view scheme) {
        return std::memcmp(before.end() - scheme.size(), scheme.data(), scheme.size()) == 0;
    };
    using namespace std::literals;
    const std::size_t length = endsWith("https"sv)  ? 5
                               : endsWith("http"sv) ? 4
                               : endsWith("ftp"sv)  ? 3
                                                    : 0;
    const std::size_t start = colon - length;
    const bool glued = start > 0 && gluesScheme(text[start - 1]);
    return length == 0 || glued ? std::string_view::npos : start;
}

std::size_t TextLinks::hostStart(std::string_view text, std::size_t dot) {
    const std::size_t start = dot - 3;
    return start > 0 && gluesHost(text[start - 1]) ? std::string_view::npos : start;
}

std::size_t TextLinks::linkEnd(std::string_view text, std::size_t from, bool bbcodeValue) {
    int parens = 0;
    int brackets = 0;
    std::size_t i = from;
    for (; (i = LinkCandidates::plainEnd(text, i)) < text.size(); ++i) {
        const ByteKind kind = kindOf(text[i]);
        if (kind == ByteKind::Plain) {
            continue;
        }
        if (kind == ByteKind::Stop || (kind == ByteKind::Lead && isUnicodeStop(text, i))) {
            break;
        }
        const char c = text[i];
        if (c == '(') {
            ++parens;
        } else if (c == ')') {
            if (parens-- == 0) {
                break;
            }
        } else if (c == '[') {
            if (matchesAt(text, i, "[/url]") || matchesAt(text, i, "[/img]")) {
                break;
            }
            ++brackets;
        } else if (c == ']') {
            if (bbcodeValue || brackets-- == 0) {
                break;
            }
        }
    }
    while (i > from && isTrailingPunctuation(text[i - 1])) {
        --i;
    }
    return i;
}

std::size_t TextLinks::find(std::string_view text) {
    constexpr std::size_t npos = std::string_view::npos;
    std::size_t found = 0;
    std::size_t candidate = 0;
    while ((candidate = LinkCandidates::next(text, candidate)) != npos) {
        const bool atColon = text[candidate] == ':';
        const std::size_t start =
            atColon ? schemeStart(text, candidate) : hostStart(text, candidate);
        const std::size_t from = candidate + (atColon ? 3 : 1);
        const bool bbcodeValue = start != npos && start >= 5 && matchesAt(text, start - 5, "[url=");
        const std::size_t end = start == npos ? from : linkEnd(text, from, bbcodeValue);
        if (end == from) {
            ++candidate;
            continue;
        }
        const std::string_view link = text.substr(start, end - start);
        if (atColon) {
            destination_(link);
        } else {
            withScheme_.assign("http://").append(link);
            destination_(withScheme_);
        }
        ++found;
        candidate = end;
    }
    return found;
}

std::size_t TextLinks::scan(ByteSource& source) {
    std::vector<char> buffer(1 << 20);
    std::size_t filled = 0;
    std::size_t found = 0;
    for (;;) {
        if (filled == buffer.size()) {
            buffer.resize(buffer.size() * 2);
        }
        const std::size_t got = source.read(buffer.data() + filled, buffer.size() - filled);
        filled += got;
        const std::string_view text(buffer.data(), filled);
        if (got == 0) {
            return found + find(text);
        }
        // A link never spans an ASCII stop byte, and what comes before a link is only
        // looked at back to one: the text up to the last one is read whole. The bytes kept
        // from before hold none.
        std::size_t cut = filled;
        while (cut > filled - got && kindOf(text[cut - 1]) != ByteKind::Stop) {
            --cut;
        }
        if (cut > filled - got) {
            found += find(text.substr(0, cut));
            std::memmove(buffer.data(), buffer.data() + cut, filled - cut);
            filled -= cut;
        }
    }
}

} // namespace harvex2::core
