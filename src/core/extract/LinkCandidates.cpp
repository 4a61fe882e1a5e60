#include "core/extract/LinkCandidates.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
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

std::size_t LinkCandidates::next(std::string_view text, std::size_t from) {
    // A block at `at` also looks at the three bytes before it and the two after it.
    const std::size_t head = std::min(std::max<std::size_t>(from, 3), text.size());
    if (const std::size_t found = nextOneByOne(text, from, head); found != std::string_view::npos) {
        return found;
    }
    const char* const data = text.data();
    const auto load = [data](std::size_t at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
    };
    const auto wAt = [&](std::size_t at) {
        return _mm_cmpeq_epi8(_mm_or_si128(load(at), _mm_set1_epi8(0x20)), _mm_set1_epi8('w'));
    };
    std::size_t at = head;
    for (; at + 18 <= text.size(); at += 16) {
        const __m128i bytes = load(at);
        const __m128i colons = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(':'));
        const __m128i dots = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('.'));
        if (_mm_movemask_epi8(_mm_or_si128(colons, dots)) == 0) {
            continue;
        }
        const __m128i slash = _mm_set1_epi8('/');
        const __m128i schemes =
            _mm_and_si128(colons, _mm_and_si128(_mm_cmpeq_epi8(load(at + 1), slash),
                                                _mm_cmpeq_epi8(load(at + 2), slash)));
        const __m128i hosts = _mm_and_si128(
            dots, _mm_and_si128(wAt(at - 1), _mm_and_si128(wAt(at - 2), wAt(at - 3))));
        const int mask = _mm_movemask_epi8(_mm_or_si128(schemes, hosts));
        if (mask != 0) {
            return at + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(mask)));
        }
    }
    return nextOneByOne(text, at, text.size());
}

std::size_t LinkCandidates::plainEnd(std::string_view text, std::size_t from) {
    std::size_t at = from;
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
