#include "platform/AsciiText.h"

#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

// The neighbours of the letter ranges ("@[`{") and the bytes of a UTF-8 "é" stay as they are.
TEST(AsciiText, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(AsciiText::upper("az AZ 09 @[`{ \xc3\xa9"), "AZ AZ 09 @[`{ \xc3\xa9");
    EXPECT_EQ(AsciiText::lower("az AZ 09 @[`{ \xc3\xa9"), "az az 09 @[`{ \xc3\xa9");
    EXPECT_EQ(AsciiText::upper('\xe9'), '\xe9');
    EXPECT_EQ(AsciiText::lower('\xc9'), '\xc9');
}

TEST(AsciiText, ComparesIgnoringAsciiCaseOnly) {
    EXPECT_TRUE(AsciiText::equalsIgnoringCase("Vampire.EXE", "vAMPIRE.exe"));
    EXPECT_TRUE(AsciiText::equalsIgnoringCase("", ""));
    EXPECT_FALSE(AsciiText::equalsIgnoringCase("a", "ab"));
    EXPECT_FALSE(AsciiText::equalsIgnoringCase("@", "`"));
    EXPECT_FALSE(AsciiText::equalsIgnoringCase("[", "{"));
    EXPECT_FALSE(AsciiText::equalsIgnoringCase("\xc0", "\xe0"));
}

// Letters fold to lower case before comparing, so "_" (between the two cases) sorts before
// every letter; bytes above 0x7F sort after ASCII.
TEST(AsciiText, OrdersIgnoringCaseByLowerCaseBytes) {
    EXPECT_TRUE(AsciiText::lessIgnoringCase("a", "B"));
    EXPECT_FALSE(AsciiText::lessIgnoringCase("B", "a"));
    EXPECT_FALSE(AsciiText::lessIgnoringCase("a", "A"));
    EXPECT_FALSE(AsciiText::lessIgnoringCase("A", "a"));
    EXPECT_TRUE(AsciiText::lessIgnoringCase("_", "A"));
    EXPECT_TRUE(AsciiText::lessIgnoringCase("ab", "AbC"));
    EXPECT_TRUE(AsciiText::lessIgnoringCase("Zeta", "\xc3\x9c"
                                                    "ber"));
    EXPECT_FALSE(AsciiText::lessIgnoringCase("\xc3\x9c", "z"));
}

TEST(AsciiText, TrimsTheGivenBlanksAtBothEnds) {
    EXPECT_EQ(AsciiText::trim(" \t a b \t "), "a b");
    EXPECT_EQ(AsciiText::trim(" \t "), "");
    EXPECT_EQ(AsciiText::trim(""), "");
    EXPECT_EQ(AsciiText::trim(" \tx\r", " \t\r"), "x");
    EXPECT_EQ(AsciiText::trim("\tx ", " "), "\tx");
}

// The program runs with the user's locale; a single-byte one folds "À" and "à" in the C
// library, which must not change any answer here.
TEST(AsciiText, AnswersTheSameUnderASingleByteLocale) {
    const std::string before = std::setlocale(LC_CTYPE, nullptr);
    for (const char* name : {"de_DE.ISO-8859-1", "en_US.ISO-8859-1", "fr_FR.ISO-8859-1"}) {
        if (std::setlocale(LC_CTYPE, name)) {
            break;
        }
    }
    EXPECT_FALSE(AsciiText::equalsIgnoringCase("\xc0", "\xe0"));
    EXPECT_EQ(AsciiText::upper("\xe0z"), "\xe0Z");
    EXPECT_TRUE(AsciiText::lessIgnoringCase("z", "\xc0"));
    std::setlocale(LC_CTYPE, before.c_str());
}

} // namespace
} // namespace harvex2::platform
