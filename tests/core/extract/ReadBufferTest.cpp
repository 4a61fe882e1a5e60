#include "core/extract/ReadBuffer.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

// A plain allocation of this size starts 16 bytes past a page, where every read into it
// costs two to three times as much.
TEST(ReadBuffer, StartsOnAPage) {
    for (std::size_t size : {std::size_t{1}, std::size_t{4096}, std::size_t{256 * 1024}}) {
        SCOPED_TRACE(size);
        ReadBuffer first(size);
        ReadBuffer second(size);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(first.data()) % 4096, 0u) << size;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(second.data()) % 4096, 0u) << size;
        EXPECT_EQ(first.size(), size);
    }
}

} // namespace
} // namespace harvex2::core
