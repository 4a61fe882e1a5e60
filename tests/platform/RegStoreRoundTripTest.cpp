#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

struct AwkwardText {
    const char* label;
    std::string bytes;
};

class RegStoreRoundTripTest : public ::testing::TestWithParam<AwkwardText> {};

// Every string comes back byte for byte through the file, whichever form it is written in,
// and does not disturb the values written after it.
TEST_P(RegStoreRoundTripTest, StringsSurviveTheFileExactly) {
    test::TempFolder folder;
    const std::string path = folder.file("user.reg");
    {
        FileRegistryStore writer(Hive::CurrentUser, path);
        ASSERT_TRUE(writer.openKey("\\Software\\Harvex", true));
        writer.writeString("Text", GetParam().bytes);
        writer.writeString(GetParam().bytes.size() < 100 ? "After" : "after", "end");
    }
    FileRegistryStore reader(Hive::CurrentUser, path);
    ASSERT_TRUE(reader.openKey("\\Software\\Harvex", false));
    EXPECT_EQ(reader.readString("Text"), GetParam().bytes);
    EXPECT_EQ(reader.readString("After"), "end");
}

std::string everyByte() {
    std::string bytes;
    for (int c = 255; c >= 1; --c) {
        bytes += static_cast<char>(c);
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    AwkwardTexts, RegStoreRoundTripTest,
    ::testing::Values(
        AwkwardText{"Empty", ""}, AwkwardText{"Quotes", "\"\"a\"\""},
        AwkwardText{"Backslashes", "\\\\server\\share\\"}, AwkwardText{"TrailingBackslash", "C:\\"},
        AwkwardText{"LooksLikeAHexList", "hex:41,\\"}, AwkwardText{"Spaces", "  padded  "},
        AwkwardText{"Crlf", "one\r\ntwo\r\n"}, AwkwardText{"LoneCr", "\r"},
        AwkwardText{"EmbeddedNul", std::string("a\0b", 3)},
        AwkwardText{"Latin1", "Gr\xFC\xDF"
                              "e"},
        AwkwardText{"Utf8", "\xE2\x82\xAC \xF0\x9F\x98\x80"},
        AwkwardText{"Utf8WithLineBreak", "\xF0\x9F\x98\x80\n\xC3\xA9"},
        AwkwardText{"EncodedSurrogate", "\xED\xA0\x80"}, AwkwardText{"EveryByte", everyByte()},
        AwkwardText{"VeryLong", std::string(100000, 'x') + "\n"}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

} // namespace
} // namespace harvex2::platform
