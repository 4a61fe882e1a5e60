#include "core/extract/HtmlBytes.h"

#include <string>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

// Every byte value at every place of a run longer than two vectors, with the vector way's
// answer held against the byte loop's: a wrong lane or a missed stop shows here.
template <std::uint8_t Which> void expectSameStops() {
    for (int value = 0; value < 256; ++value) {
        for (std::size_t at = 0; at < 40; ++at) {
            std::string text(40, 'a');
            text[at] = static_cast<char>(value);
            for (std::size_t from = 0; from < 3; ++from) {
                const char* p = text.data() + from;
                const char* end = text.data() + text.size();
                ASSERT_EQ(html::findStop<Which>(p, end), html::findStopBytewise<Which>(p, end))
                    << "byte " << value << " at " << at;
                ASSERT_EQ(html::findByte(p, end, static_cast<char>(value)),
                          html::findByteBytewise(p, end, static_cast<char>(value)))
                    << "byte " << value << " at " << at;
            }
        }
    }
}

TEST(HtmlBytes, VectorScanFindsWhatTheByteLoopFinds) {
    expectSameStops<html::kTagName>();
    expectSameStops<html::kAttributeName>();
    expectSameStops<html::kUnquoted>();
}

// Values of every length around the vector's, each byte value at each place: a lane the
// overlapping last word misses, or one read past the value's end, shows here.
TEST(HtmlBytes, HeldBytesAreThoseTheByteLoopSees) {
    for (std::size_t length = 1; length < 40; ++length) {
        for (int value = 0; value < 256; ++value) {
            for (std::size_t at = 0; at < length; ++at) {
                std::string text(length + 1, '#');
                text.replace(0, length, length, 'a');
                text[at] = static_cast<char>(value);
                const std::string_view shown(text.data(), length);
                ASSERT_EQ(html::heldIn(shown), html::heldInBytewise(shown))
                    << "byte " << value << " at " << at << " of " << length;
            }
        }
    }
    EXPECT_EQ(html::heldIn("a#b?c:d&e-long-enough-for-a-vector"),
              unsigned{html::kHash | html::kQuestion | html::kColon | html::kAmpersand});
}

} // namespace
} // namespace harvex2::core
