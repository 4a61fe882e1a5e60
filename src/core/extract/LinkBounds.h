#pragma once

#include "core/extract/TextLanes.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace harvex2::core {

// Where a link of plain text begins and ends: the character rules of the text link finder,
// apart from its search. What is looked at for every link is inlined into the search.
class LinkBounds {
public:
    // Whether `at` is the `:` of a `://` or the dot of a `www.` (in any case).
    static bool isCandidate(std::string_view text, std::size_t at);
    // Where the scheme before the `://` at `colon` begins, or npos when none does.
    static std::size_t schemeStart(std::string_view text, std::size_t colon);
    // Where the `www.` host whose dot is at `dot` begins, or npos when it is glued to the
    // text before.
    static std::size_t hostStart(std::string_view text, std::size_t dot);
    // Whether the link beginning at `start` is the value of `[url=...]`.
    static bool isBbcodeValue(std::string_view text, std::size_t start) {
        return start >= 5 && text[start - 5] == '[' && isBbcodeTag(text, start - 5);
    }
    // Whether the `[` at `at` opens `[/url]` or `[/img]`.
    static bool isClosingTag(std::string_view text, std::size_t at);
    // Whether the UTF-8 sequence at `at` is a space, a C1 control or CJK or full-width
    // punctuation. Bytes that are not UTF-8 belong to the link.
    static bool isUnicodeStop(std::string_view text, std::size_t at);

private:
    // Whether `[url=` (in any case) begins at `at`.
    static bool isBbcodeTag(std::string_view text, std::size_t at);

    // A scheme as the last bytes of a word of eight.
    struct Scheme {
        std::uint64_t bytes = 0;
        std::uint64_t mask = 0;
        std::size_t length = 0;

        constexpr explicit Scheme(std::string_view name) : length(name.size()) {
            for (std::size_t i = 0; i < length; ++i) {
                const std::size_t at = 8 - length + i;
                const std::size_t shift = std::endian::native == std::endian::little ? at : 7 - at;
                bytes |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * shift);
                mask |= std::uint64_t{0xff} << (8 * shift);
            }
        }
        bool ends(std::uint64_t word) const { return (word & mask) == bytes; }
    };

    // The eight bytes before `at`, letters folded to lower case, as one word; blanks stand
    // in for bytes before the text.
    static std::uint64_t foldedBefore(std::string_view text, std::size_t at);
};

inline bool LinkBounds::isCandidate(std::string_view text, std::size_t at) {
    if (text[at] == ':') {
        return text.substr(at, 3) == "://";
    }
    return text[at] == '.' && at >= 3 && text::isW(text[at - 1]) && text::isW(text[at - 2]) &&
           text::isW(text[at - 3]);
}

// The schemes are told apart by compares of one word, not by a loop.
inline std::size_t LinkBounds::schemeStart(std::string_view text, std::size_t colon) {
    static constexpr Scheme kHttps("https");
    static constexpr Scheme kHttp("http");
    static constexpr Scheme kFtp("ftp");
    const std::uint64_t before = foldedBefore(text, colon);
    const std::size_t length = kHttps.ends(before)  ? kHttps.length
                               : kHttp.ends(before) ? kHttp.length
                               : kFtp.ends(before)  ? kFtp.length
                                                    : 0;
    const std::size_t start = colon - length;
    const bool glued = start > 0 && text::is(text[start - 1], text::kSchemeGlue);
    return length == 0 || glued ? std::string_view::npos : start;
}

inline std::size_t LinkBounds::hostStart(std::string_view text, std::size_t dot) {
    const std::size_t start = dot - 3;
    return start > 0 && text::is(text[start - 1], text::kHostGlue) ? std::string_view::npos : start;
}

inline std::uint64_t LinkBounds::foldedBefore(std::string_view text, std::size_t at) {
    std::array<char, 8> before;
    if (at >= before.size()) {
        std::memcpy(before.data(), text.data() + at - before.size(), before.size());
    } else {
        before.fill(' ');
        std::memcpy(before.end() - at, text.data(), at);
    }
    std::uint64_t word = 0;
    std::memcpy(&word, before.data(), before.size());
    return word | 0x2020202020202020u;
}

} // namespace harvex2::core
