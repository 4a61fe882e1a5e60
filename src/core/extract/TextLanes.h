#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace harvex2::core::text {

// What a byte is to the text link finder, as bits.
enum Role : std::uint8_t {
    kStop = 1,        // ends a link
    kBracket = 2,     // `(` `)` `[` `]`: counted
    kLead = 4,        // may begin a Unicode space or punctuation that ends a link
    kTrailing = 8,    // sentence punctuation, left out at the end of a link
    kSchemeGlue = 16, // a scheme after it is part of a word or of another scheme
    kHostGlue = 32,   // a `www.` host after it is part of a longer host, an address, a path,
                      // an e-mail address
};

inline constexpr std::array<std::uint8_t, 256> kRoles = [] {
    std::array<std::uint8_t, 256> roles{};
    const auto add = [&roles](std::string_view bytes, Role role) {
        for (const char c : bytes) {
            roles[static_cast<unsigned char>(c)] |= role;
        }
    };
    for (std::size_t b = 0; b <= 0x20; ++b) {
        roles[b] = kStop;
    }
    add("<>\"`\x7f", kStop);
    add("()[]", kBracket);
    add("\xc2\xe1\xe2\xe3\xef", kLead);
    add(".,;:!?'", kTrailing);
    const std::string_view word = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    add(word, kSchemeGlue);
    add("+-.", kSchemeGlue);
    add(word, kHostGlue);
    add(".-_/@:%", kHostGlue);
    return roles;
}();

inline bool is(char c, Role role) {
    return (kRoles[static_cast<unsigned char>(c)] & role) != 0;
}

// The bytes the text link finder looks for, a block at a time, bit i for byte i:
//   pairs(p)  where a link may be, in the 64 bytes at p: a `:` before a `/`, or a `.` after
//             `ww` (either case); reads the two bytes before p and the one after the 64;
//   ends(p)   where the bytes of a link may end, in the 32 bytes at p: what is not
//             printable ASCII, and `<>"``()[]`; and which of them are stops, so that the
//             end of most links is known without a look at the byte. Most links end within
//             the 32 bytes.
// ByteLanes tests a byte at a time: the way on machines without vectors, and the measure
// the vector ways are tested against.

inline bool isW(char c) {
    return c == 'w' || c == 'W';
}

inline bool isPair(const char* p) {
    return (p[0] == ':' && p[1] == '/') || (p[0] == '.' && isW(p[-1]) && isW(p[-2]));
}

inline bool isPlain(char c) {
    return c > ' ' && c < '\x7f' && !is(c, Role(kStop | kBracket));
}

struct Ends {
    std::uint32_t any = 0;
    std::uint32_t stops = 0;
};

struct ByteLanes {
    static std::uint64_t pairs(const char* p) {
        std::uint64_t mask = 0;
        for (unsigned i = 0; i < 64; ++i) {
            mask |= std::uint64_t{isPair(p + i)} << i;
        }
        return mask;
    }
    static Ends ends(const char* p) {
        Ends ends;
        for (unsigned i = 0; i < 32; ++i) {
            ends.any |= std::uint32_t{!isPlain(p[i])} << i;
            ends.stops |= std::uint32_t{is(p[i], kStop)} << i;
        }
        return ends;
    }
};

#if defined(__SSE2__)

// Sixteen bytes a turn: the x86-64 baseline.
struct NarrowLanes {
    static __m128i at(const char* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    }
    static __m128i is(__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); }
    static __m128i isW(const char* p) { return is(_mm_or_si128(at(p), _mm_set1_epi8(0x20)), 'w'); }
    static std::uint32_t maskOf(__m128i v) { return static_cast<unsigned>(_mm_movemask_epi8(v)); }

    // There is no branch on the bytes themselves, as text is full of dots.
    static std::uint64_t pairs16(const char* p) {
        const __m128i bytes = at(p);
        const __m128i schemes = _mm_and_si128(is(bytes, ':'), is(at(p + 1), '/'));
        const __m128i hosts = _mm_and_si128(is(bytes, '.'), _mm_and_si128(isW(p - 1), isW(p - 2)));
        return maskOf(_mm_or_si128(schemes, hosts));
    }
    static Ends ends16(const char* p) {
        const __m128i bytes = at(p);
        // Bytes from 0x80 on are negative.
        const __m128i high = _mm_cmplt_epi8(bytes, _mm_setzero_si128());
        __m128i stops = _mm_andnot_si128(high, _mm_cmplt_epi8(bytes, _mm_set1_epi8('!')));
        for (const char c : {'\x7f', '<', '>', '"', '`'}) {
            stops = _mm_or_si128(stops, is(bytes, c));
        }
        __m128i any = _mm_or_si128(stops, high);
        for (const char c : {'(', ')', '[', ']'}) {
            any = _mm_or_si128(any, is(bytes, c));
        }
        return {maskOf(any), maskOf(stops)};
    }
    static std::uint64_t pairs(const char* p) {
        return pairs16(p) | pairs16(p + 16) << 16 | pairs16(p + 32) << 32 | pairs16(p + 48) << 48;
    }
    static Ends ends(const char* p) {
        const Ends low = ends16(p);
        const Ends high = ends16(p + 16);
        return {low.any | high.any << 16, low.stops | high.stops << 16};
    }
};

// Thirty-two bytes a turn, where the processor has AVX2; callers are compiled for it too.
struct WideLanes {
    [[gnu::target("avx2")]] static __m256i at(const char* p) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    }
    [[gnu::target("avx2")]] static __m256i is(__m256i v, char c) {
        return _mm256_cmpeq_epi8(v, _mm256_set1_epi8(c));
    }
    [[gnu::target("avx2")]] static __m256i isW(const char* p) {
        return is(_mm256_or_si256(at(p), _mm256_set1_epi8(0x20)), 'w');
    }
    [[gnu::target("avx2")]] static std::uint32_t noneOf(__m256i v) {
        return ~static_cast<std::uint32_t>(
            _mm256_movemask_epi8(_mm256_cmpeq_epi8(v, _mm256_setzero_si256())));
    }
    [[gnu::target("avx2")]] static std::uint64_t pairs32(const char* p) {
        const __m256i bytes = at(p);
        const __m256i schemes = _mm256_and_si256(is(bytes, ':'), is(at(p + 1), '/'));
        const __m256i hosts =
            _mm256_and_si256(is(bytes, '.'), _mm256_and_si256(isW(p - 1), isW(p - 2)));
        return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_or_si256(schemes, hosts)));
    }
    [[gnu::target("avx2")]] static std::uint64_t pairs(const char* p) {
        return pairs32(p) | pairs32(p + 32) << 32;
    }
    // Each byte told by a table look-up of each of its halves: the row of a high half has
    // the bits of its groups of end bytes, the row of a low half the bits of the groups
    // that end with it. Groups: 1 the controls, 2 what is not ASCII, 4 the space and `"`,
    // 8 `()`, 16 `<>`, 32 `[]`, 64 `` ` ``, 128 DEL; the stops are 1, 4, 16, 64 and 128.
    [[gnu::target("avx2")]] static Ends ends(const char* p) {
        const __m256i highRows = _mm256_broadcastsi128_si256(
            _mm_setr_epi8(1, 1, 4 | 8, 16, 0, 32, 64, -128, 2, 2, 2, 2, 2, 2, 2, 2));
        const __m256i lowRows = _mm256_broadcastsi128_si256(
            _mm_setr_epi8(3 | 4 | 64, 3, 3 | 4, 3, 3, 3, 3, 3, 3 | 8, 3 | 8, 3, 3 | 32, 3 | 16,
                          3 | 32, 3 | 16, static_cast<char>(3 | 128)));
        const __m256i halves = _mm256_set1_epi8(0x0f);
        const __m256i bytes = at(p);
        const __m256i high = _mm256_and_si256(_mm256_srli_epi16(bytes, 4), halves);
        const __m256i low = _mm256_and_si256(bytes, halves);
        const __m256i groups = _mm256_and_si256(_mm256_shuffle_epi8(highRows, high),
                                                _mm256_shuffle_epi8(lowRows, low));
        const __m256i stopGroups = _mm256_set1_epi8(static_cast<char>(1 | 4 | 16 | 64 | 128));
        return {noneOf(groups), noneOf(_mm256_and_si256(groups, stopGroups))};
    }
};

#endif

} // namespace harvex2::core::text
