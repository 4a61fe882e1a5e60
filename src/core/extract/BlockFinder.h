#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace harvex2::core {

// A kind of byte the readers look for, such as:
//   struct LessThan {
//       static bool has(char c) { return c == '<'; }
//       static __m128i marks(__m128i v); // where SSE2 is: has() for sixteen bytes at once
//       // Optional: a search over a long distance, once whole blocks held none.
//       static const char* far(const char* p, const char* end);
//   };

inline constexpr std::ptrdiff_t kBlockSize = 64;

// Which of the 64 bytes at `p` are of `Kind`, bit i for byte i; a byte at a time: the way
// on machines without vectors, and the measure the vector way is tested against.
template <typename Kind> std::uint64_t blockMaskBytewise(const char* p) {
    std::uint64_t mask = 0;
    for (unsigned i = 0; i < kBlockSize; ++i) {
        mask |= std::uint64_t{Kind::has(p[i])} << i;
    }
    return mask;
}

#if defined(__SSE2__)
template <typename Kind> std::uint64_t blockMask(const char* p) {
    std::uint64_t mask = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        mask |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(Kind::marks(v)))} << (16 * i);
    }
    return mask;
}
#else
template <typename Kind> std::uint64_t blockMask(const char* p) {
    return blockMaskBytewise<Kind>(p);
}
#endif

// Finds the bytes of one kind in a piece of input, going forward. The places of a whole
// block of 64 bytes are found at once and kept, so the next search that starts in the
// same block is a shift and a count: on a page of links the next "<", quote or blank is a
// few bytes on, and a search of its own for each would cost more than the block.
template <typename Kind> class BlockFinder {
public:
    // A new piece begins at `piece`: blocks found in an earlier one are forgotten.
    void begin(const char* piece) {
        block_ = piece;
        blockEnd_ = piece;
        mask_ = 0;
    }

    // The first byte of `Kind` in [p, end), or `end`; [p, end) lies in the piece.
    [[gnu::always_inline]] const char* next(const char* p, const char* end) {
        if (p >= block_ && p < blockEnd_) {
            const std::uint64_t rest = mask_ >> (p - block_);
            if (rest != 0) {
                return p + std::countr_zero(rest);
            }
            p = blockEnd_;
        }
        return nextBlock(p, end);
    }

private:
    const char* nextBlock(const char* p, const char* end) {
        [[maybe_unused]] int empty = 0;
        for (; end - p >= kBlockSize; p += kBlockSize) {
            block_ = p;
            blockEnd_ = p + kBlockSize;
            mask_ = blockMask<Kind>(p);
            if (mask_ != 0) {
                return p + std::countr_zero(mask_);
            }
            if constexpr (requires { Kind::far(p, end); }) {
                // Two blocks without one: a long run, no longer worth keeping blocks for.
                if (++empty == 2) {
                    return Kind::far(blockEnd_, end);
                }
            }
        }
        while (p != end && !Kind::has(*p)) {
            ++p;
        }
        return p;
    }

    const char* block_ = nullptr;
    const char* blockEnd_ = nullptr;
    std::uint64_t mask_ = 0;
};

} // namespace harvex2::core
