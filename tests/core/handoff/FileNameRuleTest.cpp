#include "core/handoff/FileNameRule.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(FileNameRuleTest, ALinkSegmentBecomesASafeNameOrNone) {
    const std::string longStem(300, 'a');
    // 100 three-byte characters: a cut at 251 bytes would split the 84th.
    std::string longWide;
    for (int i = 0; i < 100; ++i) {
        longWide += "\xe2\x82\xac";
    }
    const struct {
        std::string segment;
        std::optional<std::string> name;
    } cases[] = {
        {"with%20space.bin", "with space.bin"},
        {"caf%C3%A9%2a.txt", "caf\xc3\xa9*.txt"},
        {"a%2Fb%5Cc%00d%0A%7F%C2%9B.zip", "a_b_c_d___.zip"},
        {"a/b\\c", "a_b_c"},
        {"100%.txt", "100%.txt"},
        {"%zz%4", "%zz%4"},
        {longStem + ".tar.gz", std::string(252, 'a') + ".gz"},
        {"." + longStem, "." + std::string(254, 'a')},
        {longWide + ".bin", std::string(longWide, 0, 249) + ".bin"},
        {"", std::nullopt},
        {".", std::nullopt},
        {"%2E%2E", std::nullopt},
        {"   ", std::nullopt},
        {"%FF.bin", std::nullopt},
        {"%C0%AF", std::nullopt},
        {"%ED%A0%80", std::nullopt},
        {"..%2F..", ".._.."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.segment);
        EXPECT_EQ(FileNameRule::fromLinkSegment(c.segment), c.name);
    }
}

} // namespace
} // namespace harvex2::core
