#include "core/extract/LinkCandidates.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace harvex2::core {

namespace {

bool isW(char c) {
    return c == 'w' || c == 'W';
}

bool isPlain(char c) {
    return c > ' ' && c < '\x7f' && c != '<' && c != '>' && c != '"' && c != '`' && c != '(' &&
           c != ')' && c != '[' && c != ']';
}

std::size_t plainEndOneByOne(std::string_view text, std::size_t from) {
    while (from < text.size() && isPlain(text[from])) {
        ++from;
    }
    return from;
}

} // namespace

bool LinkCandidates::isCandidate(std::string_view text, std::size_t at) {
    if (text[at] == ':') {
        return text.substr(at, 3) == "://";
    }
    return text[at] == '.' && at >= 3 && isW(text[at - 1]) && isW(text[at - 2]) &&
           isW(text[at - 3]);
}

std::size_t LinkCandidates::nextOneByOne(std::string_view text, std::size_t from, std::size_t to) {
    for (std::size_t at = from; at < to; ++at) {
        if (isCandidate(text, at)) {
            return at;
        }
    }
    return std::string_view::npos;
}

#if defined(__SSE2__)

namespace {

// Blocks of text at `at` and on are read whole; the candidate found, or npos with `at` left
// at the first block that was not whole. A block also looks at the two bytes before it and
// the one after it: a candidate is told from `:/` and `ww.` alone, then checked whole.
// There is no branch on the bytes themselves until one turns up, as text is full of dots.
std::size_t nextInBlocks(std::string_view text, std::size_t& at) {
    const char* const data = text.data();
    const auto load = [data](std::size_t from) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
    };
    const auto wAt = [&](std::size_t from) {
        return _mm_cmpeq_epi8(_mm_or_si128(load(from), _mm_set1_epi8(0x20)), _mm_set1_epi8('w'));
    };
    const auto pairs = [&](std::size_t from) {
        const __m128i bytes = load(from);
        const __m128i schemes = _mm_and_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(':')),
                                              _mm_cmpeq_epi8(load(from + 1), _mm_set1_epi8('/')));
        const __m128i hosts = _mm_and_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('.')),
                                            _mm_and_si128(wAt(from - 1), wAt(from - 2)));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(schemes, hosts)));
    };
    for (; at + 33 <= text.size(); at += 32) {
        for (unsigned mask = pairs(at) | pairs(at + 16) << 16; mask != 0; mask &= mask - 1) {
            const std::size_t pair = at + static_cast<std::size_t>(std::countr_zero(mask));
            if (LinkCandidates::isCandidate(text, pair)) {
                return pair;
            }
        }
    }
    return std::string_view::npos;
}

[[gnu::target("avx2")]] __m256i wideAt(const char* at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

[[gnu::target("avx2")]] __m256i wideWAt(const char* at) {
    return _mm256_cmpeq_epi8(_mm256_or_si256(wideAt(at), _mm256_set1_epi8(0x20)),
                             _mm256_set1_epi8('w'));
}

// Where `:/` and `ww.` end in the 32 bytes at `at`, as bits.
[[gnu::target("avx2")]] std::uint64_t widePairs(const char* at) {
    const __m256i bytes = wideAt(at);
    const __m256i schemes =
        _mm256_and_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(':')),
                         _mm256_cmpeq_epi8(wideAt(at + 1), _mm256_set1_epi8('/')));
    const __m256i hosts = _mm256_and_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('.')),
                                           _mm256_and_si256(wideWAt(at - 1), wideWAt(at - 2)));
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_or_si256(schemes, hosts)));
}

// The same as nextInBlocks, 64 bytes a turn.
[[gnu::target("avx2")]] std::size_t nextInWideBlocks(std::string_view text, std::size_t& at) {
    const char* const data = text.data();
    for (; at + 65 <= text.size(); at += 64) {
        for (std::uint64_t mask = widePairs(data + at) | widePairs(data + at + 32) << 32; mask != 0;
             mask &= mask - 1) {
            const std::size_t pair = at + static_cast<std::size_t>(std::countr_zero(mask));
            if (LinkCandidates::isCandidate(text, pair)) {
                return pair;
            }
        }
    }
    return std::string_view::npos;
}

// Where plain bytes end in the blocks at `at` and on; npos with `at` left at the first block
// that was not whole, as in nextInBlocks.
std::size_t plainEndInBlocks(std::string_view text, std::size_t& at) {
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        // Bytes from 0x80 on are negative: below the space too.
        __m128i ends = _mm_cmplt_epi8(bytes, _mm_set1_epi8('!'));
        for (const char c : {'\x7f', '<', '>', '"', '`', '(', ')', '[', ']'}) {
            ends = _mm_or_si128(ends, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)));
        }
        if (const int mask = _mm_movemask_epi8(ends); mask != 0) {
            return at + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
        }
    }
    return std::string_view::npos;
}

// The same, 32 bytes a turn, each byte told by a table look-up of each of its halves: the
// row of a high half has one bit for its group of stop bytes, the row of a low half has
// the bits of the groups that stop with it. Groups: the controls, the space and what is
// not ASCII in any row; `"()` and the space; `<>`; `[]`; `` ` ``; DEL.
[[gnu::target("avx2")]] std::size_t plainEndInWideBlocks(std::string_view text, std::size_t& at) {
    const __m256i highRows = _mm256_broadcastsi128_si256(
        _mm_setr_epi8(1, 1, 2, 4, 0, 8, 16, 32, 1, 1, 1, 1, 1, 1, 1, 1));
    const __m256i lowRows = _mm256_broadcastsi128_si256(_mm_setr_epi8(
        1 | 2 | 16, 1, 1 | 2, 1, 1, 1, 1, 1, 1 | 2, 1 | 2, 1, 1 | 8, 1 | 4, 1 | 8, 1 | 4, 1 | 32));
    const __m256i halves = _mm256_set1_epi8(0x0f);
    for (; at + 32 <= text.size(); at += 32) {
        const __m256i bytes = wideAt(text.data() + at);
        const __m256i high = _mm256_and_si256(_mm256_srli_epi16(bytes, 4), halves);
        const __m256i low = _mm256_and_si256(bytes, halves);
        const __m256i groups = _mm256_and_si256(_mm256_shuffle_epi8(highRows, high),
                                                _mm256_shuffle_epi8(lowRows, low));
        const auto plain = static_cast<std::uint32_t>(
            _mm256_movemask_epi8(_mm256_cmpeq_epi8(groups, _mm256_setzero_si256())));
        if (plain != 0xffffffffu) {
            return at + static_cast<std::size_t>(std::countr_one(plain));
        }
    }
    return std::string_view::npos;
}

const bool kWide = __builtin_cpu_supports("avx2");

} // namespace

std::size_t LinkCandidates::next(std::string_view text, std::size_t from) {
    const std::size_t head = std::min(std::max<std::size_t>(from, 2), text.size());
    if (const std::size_t found = nextOneByOne(text, from, head); found != std::string_view::npos) {
        return found;
    }
    std::size_t at = head;
    if (kWide) {
        if (const std::size_t found = nextInWideBlocks(text, at); found != std::string_view::npos) {
            return found;
        }
    }
    if (const std::size_t found = nextInBlocks(text, at); found != std::string_view::npos) {
        return found;
    }
    return nextOneByOne(text, at, text.size());
}

std::size_t LinkCandidates::plainEnd(std::string_view text, std::size_t from) {
    std::size_t at = from;
    if (kWide) {
        if (const std::size_t end = plainEndInWideBlocks(text, at); end != std::string_view::npos) {
            return end;
        }
    }
    if (const std::size_t end = plainEndInBlocks(text, at); end != std::string_view::npos) {
        return end;
    }
    return plainEndOneByOne(text, at);
}

#else

std::size_t LinkCandidates::next(std::string_view text, std::size_t from) {
    return nextOneByOne(text, from, text.size());
}

std::size_t LinkCandidates::plainEnd(std::string_view text, std::size_t from) {
    return plainEndOneByOne(text, from);
}

#endif

} // namespace harvex2::core
