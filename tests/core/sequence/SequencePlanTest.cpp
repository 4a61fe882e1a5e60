#include "core/sequence/SequencePlan.h"

#include "core/sequence/SequenceError.h"
#include "platform/ConversionError.h"

#include <limits>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using ::testing::ElementsAreArray;
using Urls = std::vector<std::string>;

SequenceFields fields(std::string url, std::string start, std::string end, std::string step = "1",
                      std::optional<std::string> positions = std::nullopt) {
    SequenceFields f;
    f.url = std::move(url);
    f.start = std::move(start);
    f.end = std::move(end);
    f.step = std::move(step);
    f.zeros = positions.has_value();
    f.zerosCount = positions.value_or("1");
    return f;
}

Urls urls(const SequenceFields& f) {
    const SequencePlan plan(f);
    Urls made;
    std::string url;
    for (std::uint64_t i = 0; i < plan.count(); ++i) {
        plan.urlAt(i, url);
        made.push_back(url);
    }
    return made;
}

struct SeriesCase {
    SequenceFields fields;
    Urls expected;
};

class SeriesTest : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesTest, MakesTheUrlsOfTheRange) {
    EXPECT_THAT(urls(GetParam().fields), ElementsAreArray(GetParam().expected));
}

SequenceFields withMarker(SequenceFields f, std::int32_t index) {
    f.charDigit = index;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Series, SeriesTest,
    ::testing::Values(
        SeriesCase{fields("files/img|.jpg", "1", "3"),
                   {"files/img1.jpg", "files/img2.jpg", "files/img3.jpg"}},
        SeriesCase{fields("img|.jpg", "1", "3", "1", "3"),
                   {"img001.jpg", "img002.jpg", "img003.jpg"}},
        // Padding never cuts a number that has more digits.
        SeriesCase{fields("img|.jpg", "998", "1001", "1", "3"),
                   {"img998.jpg", "img999.jpg", "img1000.jpg", "img1001.jpg"}},
        SeriesCase{fields("a|b|c", "5", "5"), {"a5b|c"}},
        SeriesCase{fields("|.jpg", "7", "7"), {"7.jpg"}},
        SeriesCase{fields("x/|", "0", "10", "5"), {"x/0", "x/5", "x/10"}},
        SeriesCase{fields("|", "0", "9", "5"), {"0", "5"}},
        SeriesCase{fields("|", "0", "10", "3"), {"0", "3", "6", "9"}},
        SeriesCase{fields("n|", "-2", "1", "1", "3"), {"n-002", "n-001", "n000", "n001"}},
        // Positions of 0 or less pad nothing; typed numbers may be hexadecimal or spaced.
        SeriesCase{fields("|", "$A", " 11", "1", "0"), {"10", "11"}},
        SeriesCase{withMarker(fields("a|b#c", "1", "2"), 1), {"a|b1c", "a|b2c"}},
        SeriesCase{withMarker(fields("^~|", "3", "3"), 2), {"^3|"}},
        // The series ends after Go to even at the very top of the number range.
        SeriesCase{fields("|", "2147483645", "2147483647"),
                   {"2147483645", "2147483646", "2147483647"}},
        SeriesCase{fields("|", "2147483640", "2147483647", "5"), {"2147483640", "2147483645"}},
        SeriesCase{fields("|", "-2147483648", "-2147483647"), {"-2147483648", "-2147483647"}}));

TEST(SequencePlanTest, AStoredMarkerIndexPicksFromTheListAndAnyOtherMeansNone) {
    const std::pair<std::int32_t, std::optional<char>> cases[] = {
        {-1, std::nullopt}, {0, '|'}, {1, '#'}, {2, '~'}, {3, '^'}, {4, std::nullopt},
    };
    for (const auto& [index, marker] : cases) {
        EXPECT_EQ(withMarker({}, index).marker(), marker) << index;
    }
}

TEST(SequencePlanTest, CountsTheWholeNumberRangeWithoutOverflow) {
    const SequencePlan plan(fields("|", "-2147483648", "2147483647"));
    EXPECT_EQ(plan.count(), 4294967296u);
    EXPECT_EQ(plan.range().progressMaximum(), 4294967296u);
    std::string url;
    plan.urlAt(plan.count() - 1, url);
    EXPECT_EQ(url, "2147483647");
}

TEST(SequencePlanTest, PadsUpToTwoHundredAndTwentyFourPositions) {
    EXPECT_EQ(urls(fields("|", "5", "5", "1", "224")).at(0), std::string(223, '0') + "5");
    EXPECT_EQ(urls(fields("|", "-5", "-5", "1", "224")).at(0), "-" + std::string(223, '0') + "5");
}

TEST(SequencePlanTest, ProgressAdvancesByStepAndStopsAtItsMaximum) {
    const SequencePlan plan(fields("|", "0", "10", "3"));
    EXPECT_EQ(plan.range().progressMaximum(), 11u);
    EXPECT_EQ(plan.range().progressAfter(1), 3u);
    EXPECT_EQ(plan.range().progressAfter(4), 11u);
}

struct FailureCase {
    SequenceFields fields;
    std::string message;
    bool missingMarker = false;
};

class FailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureTest, RefusesBeforeMakingAnything) {
    try {
        SequencePlan plan(GetParam().fields);
        FAIL() << "made " << plan.count() << " URLs";
    } catch (const MissingMarkerError& failure) {
        EXPECT_TRUE(GetParam().missingMarker);
        EXPECT_EQ(failure.what(), GetParam().message);
    } catch (const std::runtime_error& failure) {
        EXPECT_FALSE(GetParam().missingMarker);
        EXPECT_EQ(failure.what(), GetParam().message);
    }
}

SequenceFields noMarkerSelected() {
    return withMarker(fields("a|", "1", "2"), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailureTest,
    ::testing::Values(
        FailureCase{fields("", "1", "2"), "Can't find the digit position marker", true},
        FailureCase{withMarker(fields("a|b", "1", "2"), 1), "Can't find the digit position marker",
                    true},
        FailureCase{noMarkerSelected(), "Can't find the digit position marker", true},
        FailureCase{fields("a|", "one", "2"), "'one' is not a valid integer value"},
        FailureCase{fields("a|", "1", ""), "'' is not a valid integer value"},
        FailureCase{fields("a|", "1", "2", "1", "x"), "'x' is not a valid integer value"},
        FailureCase{fields("a|", "1", "2", "1.5"), "'1.5' is not a valid integer value"},
        // Start is read before the template, the template before Positions and Step.
        FailureCase{fields("a", "one", "2"), "'one' is not a valid integer value"},
        FailureCase{fields("a", "1", "2", "x", "x"), "Can't find the digit position marker", true},
        FailureCase{fields("a|", "1", "2", "x", "225"), "Format string too long"},
        FailureCase{fields("a|", "1", "2", "0"), "Step must be 1 or more, not 0."},
        FailureCase{fields("a|", "1", "2", "-3"), "Step must be 1 or more, not -3."},
        FailureCase{fields("a|", "5", "4"),
                    "The range holds no numbers: Go to (4) is less than Start at (5)."}));

TEST(SequencePlanTest, PositionsAreReadOnlyWithPadding) {
    SequenceFields f = fields("a|", "1", "1");
    f.zerosCount = "lots";
    EXPECT_THAT(urls(f), ElementsAreArray({"a1"}));
}

TEST(SequencePlanTest, ExampleIsTheFirstUrlWhenTheFieldsAllowIt) {
    EXPECT_EQ(SequencePlan::example(fields("http://h/img|.jpg", "7", "x", "x", "3")),
              "http://h/img007.jpg");
    EXPECT_EQ(SequencePlan::example(fields("no marker", "7", "9")), std::nullopt);
    EXPECT_EQ(SequencePlan::example(fields("a|", "seven", "9")), std::nullopt);
    EXPECT_EQ(SequencePlan::example(fields("a|", "7", "9", "1", "225")), std::nullopt);
    EXPECT_EQ(SequencePlan::example(noMarkerSelected()), std::nullopt);
}

} // namespace
} // namespace harvex2::core
