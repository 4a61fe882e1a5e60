#include "core/shell/ProgramVersion.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(ProgramVersion, TwoDecimalsBehindTheGivenSeparator) {
    EXPECT_EQ(ProgramVersion::text("."), "1.42");
    EXPECT_EQ(ProgramVersion::text(","), "1,42");
    const std::string arabic = "\xD9\xAB"; // two bytes in UTF-8
    EXPECT_EQ(ProgramVersion::text(arabic), "1" + arabic + "42");
}

} // namespace
} // namespace harvex2::core
