#include "core/extract/LinkScanner.h"

#include "core/extract/MemorySource.h"
#include "core/extract/PrintScanCounters.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using namespace std::string_literals;

struct Switches final : IgnoreSwitches {
    bool mailTo = true;
    bool bookmarks = true;
    bool query = true;
    bool ignoreMailTo() const override { return mailTo; }
    bool ignoreBookmarks() const override { return bookmarks; }
    bool qLinks() const override { return query; }
};

struct Result {
    std::vector<std::string> links;
    ScanCounters counters;
};

Result scanText(const std::string& html, const IgnoreSwitches& switches,
                std::size_t pieceSize = SIZE_MAX, ScanStats* stats = nullptr) {
    Result result;
    LinkScanner scanner(
        switches, [&](std::string_view link) { result.links.emplace_back(link); }, stats);
    MemorySource source(html, pieceSize);
    result.counters = scanner.scan(source);
    return result;
}

struct Case {
    const char* name;
    std::string html;
    std::vector<std::string> links;
    std::int64_t ignored = 0;
};

// Every case is also fed in small pieces: a tag or value split between two reads must
// give the same result as one read.
const Case kCases[] = {
    {"empty file", "", {}},
    {"plain anchor", R"(<a href="x.html">x</a>)", {"x.html"}},
    {"href in capitals", R"(<A HREF="Up.htm">)", {"Up.htm"}},
    {"href in mixed case, blanks around equals", R"(<a HrEf = "m.htm">)", {"m.htm"}},
    {"empty quotes give an empty entry", R"(<a href="">)", {""}},
    {"unquoted value takes the next quoted text",
     R"(<a href=x.html>x</a><p>t</p><img src="pic.gif">)",
     {"pic.gif"}},
    {"single quotes take the next double-quoted text",
     "<a href='a.html'>a</a> <b class=\"c\">",
     {"c"}},
    {"base and link tags count like anchors",
     R"(<base href="http://h/"><link href="s.css"><img src="i.gif"><frame src="f.htm">)",
     {"http://h/", "s.css"}},
    {"an h in a title before href gives nothing", R"(<a title="hello" href="x">)", {}},
    {"a rel value first gives nothing", R"(<link rel="stylesheet" href="s.css">)", {}},
    {"title after href is skipped", R"(<a href="x" title="hi">)", {"x"}},
    {"hreflang first gives its value", R"(<a hreflang="en" href="x">)", {"en"}},
    {"comments are scanned", R"(<!-- <a href="c.html"> -->)", {"c.html"}},
    {"script assignment to a property ending in href",
     "<script>if (a < 1) document.location.href = \"s.html\";</script>",
     {"s.html"}},
    {"a value keeps its line break", "<a href=\"a\r\nb\">", {"a\r\nb"}},
    {"the same link twice gives two entries", R"(<a href="d">x<a href="d">)", {"d", "d"}},
    {"a value without closing quote runs to the end", R"(<a href="open.htm)", {"open.htm"}},
    {"hre never followed by a quote gives nothing", "<a href=x>x</a>", {}},
    {"a < after h does not start a tag", R"(<h<a href="x">)", {}},
    {"a > ends the tag before any h", R"(<p>text with href="no"</p>)", {}},
    {"only ASCII capitals fold",
     "<a h\xD2"
     "ef=\"x\"><a hr\xC5"
     "f=\"y\">",
     {}},
    {"bytes are kept as they are", "<a href=\"x\0\xE9y\">"s, {"x\0\xE9y"s}},
    {"bookmarks, queries and mail links are ignored",
     R"(<a href="#top"><a href="p.htm#s"><a href="q?a=1"><a href="mailto:me@x"><a href="ok">)",
     {"ok"},
     4},
    {"mailto in capitals is kept", R"(<a href="MAILTO:me@x">)", {"MAILTO:me@x"}},
    {"mailto: in the middle is ignored", R"(<a href="x.cgi/mailto:me">)", {}, 1},
};

class LinkScannerCases : public testing::TestWithParam<std::size_t> {};

TEST_P(LinkScannerCases, FindsTheLinksOfTheRules) {
    const Switches defaults;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Result result = scanText(c.html, defaults, GetParam());
        EXPECT_EQ(result.links, c.links) << c.name;
        EXPECT_EQ(result.counters.characters, std::ssize(c.html)) << c.name;
        EXPECT_EQ(result.counters.linksFound, std::ssize(c.links)) << c.name;
        EXPECT_EQ(result.counters.linksIgnored, c.ignored) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, LinkScannerCases, testing::Values(SIZE_MAX, 1, 2, 3, 7));

TEST(LinkScanner, EachSwitchDropsOnlyItsOwnValues) {
    const std::string html = R"(<a href="mailto:a"><a href="#b"><a href="c?d"><a href="e">)";
    struct Row {
        bool mailTo, bookmarks, query;
        std::vector<std::string> links;
    };
    const Row rows[] = {
        {true, true, true, {"e"}},
        {false, true, true, {"mailto:a", "e"}},
        {true, false, true, {"#b", "e"}},
        {true, true, false, {"c?d", "e"}},
        {false, false, false, {"mailto:a", "#b", "c?d", "e"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.mailTo << row.bookmarks << row.query);
        Switches switches;
        switches.mailTo = row.mailTo;
        switches.bookmarks = row.bookmarks;
        switches.query = row.query;
        const Result result = scanText(html, switches);
        EXPECT_EQ(result.links, row.links);
        EXPECT_EQ(result.counters.linksFound + result.counters.linksIgnored, 4);
    }
}

TEST(LinkScanner, FindsTheFirstHOfATagAtAnyDistanceAmongBytesThatNearlyMatch) {
    // Bytes one bit away from "h", "H" or ">", a zero byte, and the letters around "h".
    const std::string nearMisses = "g\xE8i\xC8\xBE=\0?\x08\xA8gi\xE8\0\xC8\xBE\x1E"s;
    std::string html;
    std::vector<std::string> expected;
    for (std::size_t distance = 0; distance <= nearMisses.size(); ++distance) {
        html += "<" + nearMisses.substr(0, distance) + "Href=\"" + std::to_string(distance) + "\">";
        expected.push_back(std::to_string(distance));
    }
    // The same with a ">" in place of the h: no link.
    for (std::size_t distance = 0; distance <= nearMisses.size(); ++distance) {
        html += "<" + nearMisses.substr(0, distance) + ">href=\"x\">";
    }
    for (std::size_t piece : {SIZE_MAX, std::size_t{5}, std::size_t{11}}) {
        SCOPED_TRACE(piece);
        const Result result = scanText(html, Switches{}, piece);
        EXPECT_EQ(result.links, expected) << piece;
        EXPECT_EQ(result.counters.characters, std::ssize(html)) << piece;
    }
}

TEST(LinkScanner, AValueCaughtByTwoRulesIsCountedOnce) {
    const Result result = scanText(R"(<a href="mailto:x?s#t">)", Switches{});
    EXPECT_EQ(result.counters.linksIgnored, 1);
}

TEST(LinkScanner, Byte26EndsTheInput) {
    const std::string html = "<a href=\"a\">\x1a<a href=\"b\">";
    for (std::size_t piece : {SIZE_MAX, std::size_t{1}, std::size_t{5}}) {
        SCOPED_TRACE(piece);
        const Result result = scanText(html, Switches{}, piece);
        EXPECT_EQ(result.links, std::vector<std::string>{"a"});
        EXPECT_EQ(result.counters.characters, 12);
    }
    // Inside an open value it ends the value too.
    EXPECT_EQ(scanText("<a href=\"ab\x1a"
                       "c\">",
                       Switches{})
                  .links,
              std::vector<std::string>{"ab"});
}

TEST(LinkScanner, LongValuesSpanningManyReadsAreKeptWhole) {
    const std::string value(3 * LinkScanner::kBufferSize + 17, 'v');
    const std::string html = "<a href=\"" + value + "\"><a href=\"" + value;
    const Result result = scanText(html, Switches{}, LinkScanner::kBufferSize / 3);
    ASSERT_EQ(result.links.size(), 2u);
    EXPECT_EQ(result.links[0], value);
    EXPECT_EQ(result.links[1], value);
    EXPECT_EQ(result.counters.characters, std::ssize(html));
}

TEST(LinkScanner, EachScanStartsAfresh) {
    const Switches switches;
    std::vector<std::string> links;
    LinkScanner scanner(switches, [&](std::string_view link) { links.emplace_back(link); });
    MemorySource open(R"(<a href="unfinished)");
    scanner.scan(open);
    MemorySource second(R"(x" <a href="y">)");
    const ScanCounters counters = scanner.scan(second);
    EXPECT_EQ(links, (std::vector<std::string>{"unfinished", "y"}));
    EXPECT_EQ(counters, (ScanCounters{15, 1, 0}));
}

struct Recorder final : ScanStats {
    std::vector<std::pair<ScanEvent, ScanCounters>> events;
    Switches* flipQueriesAfterFirstLink = nullptr;
    void UpdateStats(ScanEvent event, const ScanCounters& counters) override {
        events.emplace_back(event, counters);
        if (flipQueriesAfterFirstLink && event == ScanEvent::LinkKept) {
            flipQueriesAfterFirstLink->query = true;
        }
    }
};

TEST(LinkScanner, ReportsEveryLinkWithTheCountersOfThatMoment) {
    Recorder recorder;
    const std::string html = R"(<a href="a"> <a href="#b">  )";
    scanText(html, Switches{}, 4, &recorder);

    std::vector<ScanCounters> links;
    std::int64_t lastCharacters = 0;
    for (const auto& [event, counters] : recorder.events) {
        EXPECT_GE(counters.characters, lastCharacters);
        lastCharacters = counters.characters;
        if (event == ScanEvent::LinkKept || event == ScanEvent::LinkIgnored) {
            links.push_back(counters);
        }
    }
    // Each link is reported once its closing quote has been read.
    EXPECT_EQ(links, (std::vector<ScanCounters>{{11, 1, 0}, {25, 1, 1}}));
    ASSERT_FALSE(recorder.events.empty());
    EXPECT_EQ(recorder.events.back().first, ScanEvent::Finished);
    EXPECT_EQ(recorder.events.back().second, (ScanCounters{28, 1, 1}));
}

TEST(LinkScanner, ReadsTheSwitchesWhenEachValueIsTested) {
    Switches switches;
    switches.query = false;
    Recorder recorder;
    recorder.flipQueriesAfterFirstLink = &switches;
    const Result result =
        scanText(R"(<a href="a?1"><a href="b?2">)", switches, SIZE_MAX, &recorder);
    EXPECT_EQ(result.links, std::vector<std::string>{"a?1"});
    EXPECT_EQ(result.counters.linksIgnored, 1);
}

} // namespace
} // namespace harvex2::core
