#include "core/extract/TextLanes.h"

#include <string>

#include <gtest/gtest.h>

namespace harvex2::core::text {
namespace {

// Blocks the marks are tested in: plain text, and runs of the bytes that make a pair, so
// that a byte changed next to them makes or breaks one.
const char* const kBackgrounds[] = {"a", "w", "W.", "ww.", ":/", "x:/ww.W"};

std::string blockOf(const std::string& background, std::size_t size) {
    std::string block;
    while (block.size() < size) {
        block += background;
    }
    block.resize(size);
    return block;
}

// Every byte value at every place of a block and of the bytes looked at around it, the
// vector way's marks held against the byte loop's: a wrong lane, a lost seam or a missed
// byte shows here.
template <typename Lanes> void expectSameMarks() {
    for (const std::string background : kBackgrounds) {
        for (int value = 0; value < 256; ++value) {
            for (std::size_t at = 0; at < 2 + 64 + 1; ++at) {
                std::string bytes = blockOf(background, 2 + 64 + 1);
                bytes[at] = static_cast<char>(value);
                const char* block = bytes.data() + 2;
                ASSERT_EQ(Lanes::pairs(block), ByteLanes::pairs(block))
                    << background << ": byte " << value << " at " << at;
                if (at < 32) {
                    const Ends ends = Lanes::ends(bytes.data());
                    const Ends expected = ByteLanes::ends(bytes.data());
                    ASSERT_EQ(ends.any, expected.any) << background << ": byte " << value;
                    ASSERT_EQ(ends.stops, expected.stops) << background << ": byte " << value;
                }
            }
        }
    }
}

#if defined(__SSE2__)
TEST(TextLanes, NarrowLanesMarkWhatTheByteLoopMarks) {
    expectSameMarks<NarrowLanes>();
}

TEST(TextLanes, WideLanesMarkWhatTheByteLoopMarks) {
    if (!__builtin_cpu_supports("avx2")) {
        GTEST_SKIP() << "the processor has no AVX2";
    }
    expectSameMarks<WideLanes>();
}
#endif

} // namespace
} // namespace harvex2::core::text
