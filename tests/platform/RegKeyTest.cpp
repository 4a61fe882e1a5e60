#include "platform/posix/RegKey.h"

#include <string>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

std::string nameOf(int i) {
    return "Value" + std::to_string(i);
}

// Past a few dozen values a key looks its values up by an index; either way they keep the
// order they were first written in and are found ignoring letter case.
TEST(RegKey, ManyValuesKeepTheirOrderAndAreFoundIgnoringCase) {
    constexpr int kCount = 100;
    RegKey key;
    for (int i = 0; i < kCount; ++i) {
        ASSERT_TRUE(key.setValue(nameOf(i), i));
    }
    EXPECT_FALSE(key.setValue("VALUE7", 7));
    EXPECT_TRUE(key.setValue("VALUE7", std::string("seven")));
    for (int i = 0; i < kCount; i += 2) {
        ASSERT_TRUE(key.removeValue("value" + std::to_string(i)));
    }
    EXPECT_FALSE(key.removeValue(nameOf(0)));

    ASSERT_EQ(key.values().size(), static_cast<std::size_t>(kCount / 2));
    for (int i = 1; i < kCount; i += 2) {
        const RegValue& stored = key.values()[static_cast<std::size_t>(i / 2)];
        EXPECT_EQ(stored.name, nameOf(i));
        ASSERT_EQ(key.value(nameOf(i)), &stored) << i;
    }
    EXPECT_EQ(key.value("vALUE7")->data, RegData(std::string("seven")));
    EXPECT_EQ(key.value(nameOf(kCount)), nullptr);
    // Back below the index's threshold, the plain search finds the same.
    for (int i = 1; i < kCount - 10; i += 2) {
        ASSERT_TRUE(key.removeValue(nameOf(i)));
    }
    EXPECT_EQ(key.values().size(), 5u);
    EXPECT_EQ(key.value("value99")->data, RegData(99));
}

} // namespace
} // namespace harvex2::platform
