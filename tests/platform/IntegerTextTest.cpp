#include "platform/IntegerText.h"

#include "platform/ConversionError.h"

#include <optional>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

TEST(IntegerText, ReadsWholeNumbersAsTypedText) {
    const struct {
        const char* text;
        std::optional<std::int32_t> value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"007", 7},
        {"+5", 5},
        {"-12", -12},
        {"   8", 8},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"00000000000000000001", 1},
        {"$1F", 31},
        {"0x1f", 31},
        {"0XFF", 255},
        {"-$10", -16},
        {"$7FFFFFFF", 2147483647},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"8 ", std::nullopt},
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
        {"12abc", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$100000000", std::nullopt},
        {"$G", std::nullopt},
        {"x10", std::nullopt},
        {"- 1", std::nullopt},
        {"\t1", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IntegerText::tryParse(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(IntegerText, NamesTheTextThatIsNotANumber) {
    EXPECT_EQ(IntegerText::parse(" -3"), -3);
    try {
        IntegerText::parse("12 apples");
        FAIL() << "no failure";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12 apples' is not a valid integer value");
    }
}

} // namespace
} // namespace harvex2::platform
