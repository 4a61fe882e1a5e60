#include "core/shell/TextArena.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

// Every byte value, at the lengths where the length takes one more byte, and long enough
// for blocks of their own.
std::vector<std::string> sampleTexts() {
    std::vector<std::string> texts;
    for (const std::size_t length :
         {0u, 1u, 127u, 128u, 16383u, 16384u, 65536u, 65537u, 1u << 20, (1u << 20) + 3}) {
        std::string text(length, '\0');
        for (std::size_t i = 0; i < length; ++i) {
            text[i] = static_cast<char>((i * 7 + length) % 256);
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

TEST(TextArena, GivesEveryTextBackAcrossManyBlocks) {
    TextArena arena;
    std::vector<std::string> texts;
    std::vector<TextArena::Place> places;
    for (int round = 0; round < 40; ++round) {
        for (std::string& text : sampleTexts()) {
            text += std::to_string(round);
            places.push_back(arena.add(text));
            texts.push_back(std::move(text));
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(arena.at(places[i]), texts[i]) << i;
        EXPECT_EQ(places[i] & TextArena::kUnusedBit, 0u);
    }
}

TEST(TextArena, CountsReleasedBytesUntilTheyOutweighTheRest) {
    TextArena arena;
    const std::string text(1000, 'x');
    std::vector<TextArena::Place> places;
    for (int i = 0; i < 4000; ++i) {
        places.push_back(arena.add(text));
    }
    const std::size_t used = arena.usedBytes();
    EXPECT_EQ(used, 4000u * 1002u);
    for (std::size_t i = 0; i < 1999; ++i) {
        arena.release(places[i]);
    }
    EXPECT_FALSE(arena.wasteful());
    arena.release(places[1999]);
    arena.release(places[2000]);
    EXPECT_TRUE(arena.wasteful());
    EXPECT_EQ(arena.usedBytes(), 1999u * 1002u);
    arena.clear();
    EXPECT_EQ(arena.usedBytes(), 0u);
    EXPECT_EQ(arena.at(arena.add("again")), "again");
}

} // namespace
} // namespace harvex2::core
