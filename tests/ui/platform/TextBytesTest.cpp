#include "ui/platform/TextBytes.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

using namespace std::string_literals;
using namespace Qt::StringLiterals;

TEST(TextBytesTest, EveryByteShowsAsACharacterOfItsOwnAndGoesBackExactly) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(formOf(all), TextForm::SingleByte);
    const QString shown = fromBytes(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(std::set<QChar>(shown.begin(), shown.end()).size(), 256u);
    EXPECT_EQ(toBytes(shown, TextForm::SingleByte), all);
    // Windows-1252's own characters, and the five bytes it leaves undefined.
    EXPECT_EQ(fromBytes("\x80\x85\x8A\x92\x99\x9F \xE9\xFF"),
              u"\u20AC\u2026\u0160\u2019\u2122\u0178 \u00E9\u00FF"_s);
    EXPECT_EQ(fromBytes("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D"_s);
}

TEST(TextBytesTest, ValidUtf8ShowsDecodedAndGoesBackExactly) {
    for (const std::string& bytes : {""s, "plain"s, "caf\xC3\xA9"s,
                                     "\xEF\xBB\xBF"
                                     "bom"s,
                                     "nul\0in"s, "\xF4\x8F\xBF\xBF\xEF\xBF\xBE"s, "\xC2\x81"s}) {
        EXPECT_EQ(formOf(bytes), TextForm::Utf8) << bytes;
        EXPECT_EQ(toBytes(fromBytes(bytes)), bytes);
    }
    EXPECT_EQ(fromBytes("caf\xC3\xA9"), u"caf\u00E9"_s);
}

TEST(TextBytesTest, MalformedUtf8ShowsAsSingleBytes) {
    for (const std::string& bytes : {"caf\xE9"s, "\xC0\xAF"s, "\xED\xA0\x80"s, "\xF4\x90\x80\x80"s,
                                     "cut \xC3"s, "\xA9 alone"s}) {
        EXPECT_EQ(formOf(bytes), TextForm::SingleByte) << bytes;
        const QString shown = fromBytes(bytes);
        EXPECT_EQ(shown.size(), static_cast<qsizetype>(bytes.size()));
        EXPECT_EQ(toBytes(shown, TextForm::SingleByte), bytes);
    }
}

TEST(TextBytesTest, EditedTextKeepsItsFormWhileEveryCharacterFits) {
    EXPECT_EQ(toBytes(u"caf\u00E9s \u20AC"_s, TextForm::SingleByte), "caf\xE9s \x80");
    EXPECT_EQ(toBytes(u"caf\u00E9 \u65E5"_s, TextForm::SingleByte), "caf\xC3\xA9 \xE6\x97\xA5");
    EXPECT_EQ(toBytes(u"caf\u00E9"_s, TextForm::Utf8), "caf\xC3\xA9");
    // As single bytes this would be valid UTF-8 and show as other text next time.
    EXPECT_EQ(toBytes(u"\u00C3\u00A9"_s, TextForm::SingleByte), "\xC3\x83\xC2\xA9");
}

TEST(TextBytesTest, OnlyTheStartOfAVeryLongTextIsShownAndTheCutIsVisible) {
    const std::string fits(static_cast<std::size_t>(kShownCharacters), 'a');
    EXPECT_EQ(shownText(fits), QString(kShownCharacters, u'a'));

    const QString cut = shownText(std::string(5 << 20, 'a'));
    EXPECT_EQ(cut, QString(QString(kShownCharacters, u'a') + QChar(kElisionMark)));

    std::string utf8 = "x";
    for (int i = 0; i < (1 << 20); ++i) {
        utf8 += "\xC3\xA9";
    }
    for (const std::string& link : {"x" + std::string(3 << 20, '\xE9'), utf8}) {
        SCOPED_TRACE(testing::Message() << link.size() << " bytes");
        const QString shown = shownText(link);
        EXPECT_LE(shown.size(), kShownCharacters + 1);
        EXPECT_GE(shown.size(), kShownCharacters / 2);
        // No character is split: every one between the "x" and the mark is an accented e.
        EXPECT_EQ(shown,
                  QString(u"x"_s + QString(shown.size() - 2, u'\u00E9') + QChar(kElisionMark)));
    }
}

} // namespace
} // namespace harvex2::ui
