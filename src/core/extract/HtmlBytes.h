#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace harvex2::core::html {

// The whitespace of the HTML tokenizer. A carriage return counts too: the input stream
// turns it into a line feed before any state sees it.
inline bool isSpace(char c) {
    return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f';
}

// `text` without HTML white space at either end, as addresses in attributes are read.
inline std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
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

// The first byte of [p, end) that is not one of `which`. Blanks come one or two at a time;
// a byte loop serves them best.
inline const char* skip(const char* p, const char* end, std::uint8_t which) {
    while (p != end && stops(*p, which)) {
        ++p;
    }
    return p;
}

// Copies the sixteen bytes at `from` to `to` (which may be the same), capitals folded: a
// name buffer, folded whole rather than a byte and a branch at a time.
inline void foldNameBytewise(const char* from, char* to) {
    for (std::size_t i = 0; i < 16; ++i) {
        to[i] = toLower(from[i]);
    }
}

// The first byte of [p, end) that is one of `Which`, a byte at a time: the way on machines
// without vectors, and the measure the vector way is tested against.
template <std::uint8_t Which> const char* findStopBytewise(const char* p, const char* end) {
    while (p != end && !stops(*p, Which)) {
        ++p;
    }
    return p;
}

inline const char* findByteBytewise(const char* p, const char* end, char wanted) {
    const void* hit = std::memchr(p, wanted, static_cast<std::size_t>(end - p));
    return hit ? static_cast<const char*>(hit) : end;
}

// The bytes the rules for leaving links out and the reference decoder ask a value for,
// as bits: one pass over a value in place of a search for each.
enum Held : unsigned { kHash = 1, kQuestion = 2, kColon = 4, kAmpersand = 8 };

inline constexpr std::array<std::uint8_t, 256> kHeldBits = [] {
    std::array<std::uint8_t, 256> bits{};
    bits['#'] = kHash;
    bits['?'] = kQuestion;
    bits[':'] = kColon;
    bits['&'] = kAmpersand;
    return bits;
}();

inline unsigned heldInBytewise(std::string_view text) {
    unsigned held = 0;
    for (const char c : text) {
        held |= kHeldBits[static_cast<unsigned char>(c)];
    }
    return held;
}

#if defined(__SSE2__)

namespace detail {

inline constexpr std::ptrdiff_t kVector = 16;

inline __m128i load(const char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline unsigned maskOf(__m128i matches) {
    return static_cast<unsigned>(_mm_movemask_epi8(matches));
}

inline __m128i equal(__m128i v, char c) {
    return _mm_cmpeq_epi8(v, _mm_set1_epi8(c));
}

// Marks the bytes of `v` that may be one of `Which`: for the blanks, every byte up to the
// space, two operations in place of five comparisons. The control characters among them
// are rare in tags; the caller tells them apart.
template <std::uint8_t Which> unsigned candidatesIn(__m128i v) {
    __m128i marked = _mm_setzero_si128();
    if constexpr ((Which & kSpace) != 0) {
        marked = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(' ')), v);
    }
    if constexpr ((Which & kSlash) != 0) {
        marked = _mm_or_si128(marked, equal(v, '/'));
    }
    if constexpr ((Which & kGreater) != 0) {
        marked = _mm_or_si128(marked, equal(v, '>'));
    }
    if constexpr ((Which & kEquals) != 0) {
        marked = _mm_or_si128(marked, equal(v, '='));
    }
    return maskOf(marked);
}

} // namespace detail

inline void foldName(const char* from, char* to) {
    const __m128i v = detail::load(from);
    // Bytes from 0x80 on are negative here, so no capital.
    const __m128i capital = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8('A' - 1)),
                                          _mm_cmplt_epi8(v, _mm_set1_epi8('Z' + 1)));
    const __m128i folded = _mm_or_si128(v, _mm_and_si128(capital, _mm_set1_epi8(0x20)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), folded);
}

// Sixteen bytes at a time: names and values end within a few words, and finding where
// without a test and a branch per byte is most of the cost of reading a tag. Inlined into
// the tag loop: a call costs as much as the search of a short name.
template <std::uint8_t Which>
[[gnu::always_inline]] inline const char* findStop(const char* p, const char* end) {
    for (; end - p >= detail::kVector; p += detail::kVector) {
        for (unsigned mask = detail::candidatesIn<Which>(detail::load(p)); mask != 0;
             mask &= mask - 1) {
            const char* hit = p + __builtin_ctz(mask);
            if (stops(*hit, Which)) {
                return hit;
            }
        }
    }
    return findStopBytewise<Which>(p, end);
}

// The first `wanted` in [p, end), or `end`. Most are near: the next tag, the closing
// quote. The first bytes are looked at here, without a call; a long run goes to memchr,
// which is faster over a distance.
[[gnu::always_inline]] inline const char* findByte(const char* p, const char* end, char wanted) {
    for (int i = 0; i < 4 && end - p >= detail::kVector; ++i, p += detail::kVector) {
        const unsigned mask = detail::maskOf(detail::equal(detail::load(p), wanted));
        if (mask != 0) {
            return p + __builtin_ctz(mask);
        }
    }
    return findByteBytewise(p, end, wanted);
}

// Links are a few words long: the words are looked at without a branch, the last one
// overlapping the one before it rather than a byte loop for the rest.
inline unsigned heldIn(std::string_view text) {
    if (text.size() < static_cast<std::size_t>(detail::kVector)) {
        return heldInBytewise(text);
    }
    __m128i hash = _mm_setzero_si128();
    __m128i question = hash;
    __m128i colon = hash;
    __m128i ampersand = hash;
    const auto mark = [&](const char* p) {
        const __m128i v = detail::load(p);
        hash = _mm_or_si128(hash, detail::equal(v, '#'));
        question = _mm_or_si128(question, detail::equal(v, '?'));
        colon = _mm_or_si128(colon, detail::equal(v, ':'));
        ampersand = _mm_or_si128(ampersand, detail::equal(v, '&'));
    };
    const char* const last = text.data() + text.size() - detail::kVector;
    for (const char* p = text.data(); p < last; p += detail::kVector) {
        mark(p);
    }
    mark(last);
    return (detail::maskOf(hash) != 0 ? kHash : 0u) |
           (detail::maskOf(question) != 0 ? kQuestion : 0u) |
           (detail::maskOf(colon) != 0 ? kColon : 0u) |
           (detail::maskOf(ampersand) != 0 ? kAmpersand : 0u);
}

#else

inline void foldName(const char* from, char* to) {
    foldNameBytewise(from, to);
}

template <std::uint8_t Which> const char* findStop(const char* p, const char* end) {
    return findStopBytewise<Which>(p, end);
}

inline const char* findByte(const char* p, const char* end, char wanted) {
    return findByteBytewise(p, end, wanted);
}

inline unsigned heldIn(std::string_view text) {
    return heldInBytewise(text);
}

#endif

// The kinds of byte the readers find a block at a time (see BlockFinder).

// Text between tags may run long; over a distance, the C library's memchr, made for the
// machine it runs on, is the fastest search.
struct LessThan {
    static bool has(char c) { return c == '<'; }
    static const char* far(const char* p, const char* end) { return findByteBytewise(p, end, '<'); }
#if defined(__SSE2__)
    static __m128i marks(__m128i v) {
        return detail::equal(v, '<');
    }
#endif
};

struct DoubleQuote {
    static bool has(char c) { return c == '"'; }
#if defined(__SSE2__)
    static __m128i marks(__m128i v) {
        return detail::equal(v, '"');
    }
#endif
};

struct SingleQuote {
    static bool has(char c) { return c == '\''; }
#if defined(__SSE2__)
    static __m128i marks(__m128i v) {
        return detail::equal(v, '\'');
    }
#endif
};

// What may end a name or an unquoted value: a byte up to the space, "/", ">" or "=". The
// control characters among them are rare in tags; the caller tells them apart by stops().
struct StopCandidate {
    static bool has(char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == '/' || c == '>' || c == '=';
    }
#if defined(__SSE2__)
    static __m128i marks(__m128i v) {
        return _mm_or_si128(
            _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(' ')), v),
            _mm_or_si128(detail::equal(v, '/'),
                         _mm_or_si128(detail::equal(v, '>'), detail::equal(v, '='))));
    }
#endif
};

// The quick scanner's step after a "<": a tag's first "h" or "H", or its ">".
struct HOrTagEnd {
    static bool has(char c) { return c == 'h' || c == 'H' || c == '>'; }
#if defined(__SSE2__)
    static __m128i marks(__m128i v) {
        return _mm_or_si128(detail::equal(_mm_or_si128(v, _mm_set1_epi8(0x20)), 'h'),
                            detail::equal(v, '>'));
    }
#endif
};

} // namespace harvex2::core::html
