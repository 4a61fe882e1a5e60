#include "core/extract/BlockFinder.h"

#include "core/extract/HtmlBytes.h"

#include <string>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

// Every byte value at every place of a block, the vector way's marks held against the byte
// loop's: a wrong lane or a missed byte of the kind shows here.
template <typename Kind> void expectSameMarks() {
    for (int value = 0; value < 256; ++value) {
        for (std::size_t at = 0; at < std::size_t{kBlockSize}; ++at) {
            std::string block(std::size_t{kBlockSize}, 'a');
            block[at] = static_cast<char>(value);
            ASSERT_EQ(blockMask<Kind>(block.data()), blockMaskBytewise<Kind>(block.data()))
                << "byte " << value << " at " << at;
        }
    }
}

TEST(BlockFinder, EachKindMarksWhatTheByteLoopMarks) {
    expectSameMarks<html::LessThan>();
    expectSameMarks<html::DoubleQuote>();
    expectSameMarks<html::SingleQuote>();
    expectSameMarks<html::StopCandidate>();
    expectSameMarks<html::HOrTagEnd>();
}

// Successive searches through one finder, from every start, over blocks, their seams, a
// block with none and the tail shorter than a block: each finds the next byte a plain loop
// finds, whether it reuses a block kept or reads a new one.
TEST(BlockFinder, EverySearchFindsTheNextByteOfItsKind) {
    std::string text(300, 'a');
    for (const int at : {0, 1, 15, 16, 63, 64, 65, 127, 200, 250, 290, 299}) {
        text[static_cast<std::size_t>(at)] = '<';
    }
    const char* end = text.data() + text.size();
    for (std::size_t from = 0; from < 80; ++from) {
        BlockFinder<html::LessThan> finder;
        finder.begin(text.data());
        for (const char* p = text.data() + from; p != end;) {
            const char* expected = html::findByteBytewise(p, end, '<');
            const char* found = finder.next(p, end);
            ASSERT_EQ(found - text.data(), expected - text.data()) << "from " << p - text.data();
            p = found == end ? end : found + 1;
        }
    }
}

} // namespace
} // namespace harvex2::core
