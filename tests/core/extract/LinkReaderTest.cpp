#include "core/extract/LinkReader.h"

#include "core/extract/MemorySource.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using namespace std::string_literals;
using Links = std::vector<std::string>;

struct Switches final : IgnoreSwitches {
    bool off = false; // every rule off
    bool ignoreMailTo() const override { return !off; }
    bool ignoreBookmarks() const override { return !off; }
    bool qLinks() const override { return !off; }
    bool ignoreScriptLinks() const override { return !off; }
};

struct Result {
    Links links;
    ScanCounters counters;
    std::string address;
};

Result read(const std::string& html, std::size_t pieceSize = SIZE_MAX, bool media = false,
            const IgnoreSwitches& switches = Switches{}) {
    Result result;
    LinkReader reader(switches, media,
                      [&](std::string_view link) { result.links.emplace_back(link); });
    MemorySource source(html, pieceSize);
    result.counters = reader.scan(source);
    result.address = reader.pageAddress();
    return result;
}

struct Case {
    const char* name;
    std::string html;
    Links links;
};

// Every form is also read in small pieces: a tag, value or reference cut between two reads
// must give what one read gives.
const Case kForms[] = {
    {"double, single and unquoted values",
     R"(<a href="d.htm"><a href='s.htm'><a href=u.htm><a href=u2.htm/>)",
     {"d.htm", "s.htm", "u.htm", "u2.htm/"}},
    {"a quote of the other kind inside",
     R"(<a href='q"uote.txt'>q</a> <a href="it's.txt">)",
     {"q\"uote.txt", "it's.txt"}},
    {"= with spaces around it, the name in any case", "<A HrEf \n= \t\"m.htm\">", {"m.htm"}},
    {"a > inside a quoted value", R"(<a href="a>b.htm" title='x>y'>)", {"a>b.htm"}},
    {"an attribute named hreflang is not href", R"(<a hreflang="en" href="x">)", {"x"}},
    {"the first href of a tag counts", R"(<a href="one" HREF="two">)", {"one"}},
    {"every tag's href",
     R"(<link rel="stylesheet" href="s.css"><area href=m><p href=p>)",
     {"s.css", "m", "p"}},
    {"an href without a value is empty", R"(<a href><a href=>)", {"", ""}},
    {"end tags give nothing", R"(</a href="end">)", {}},
    {"an end tag ends after its quoted values", R"(</p title="a>b" x='>'><a href="y">)", {"y"}},
    {"names as long as a wanted one", R"(<a role="x" alt='y' REL=z lang=w hReF="v">)", {"v"}},
    {"an href in a comment",
     R"(<!-- <a href="c"> --><!--> <a href="1"><!---> <a href="2">)",
     {"1", "2"}},
    {"a comment ends at --!>", R"(<!-- x --!><a href="after">)", {"after"}},
    {"declarations end at the first >",
     R"(<!DOCTYPE x "a>b"><a href="d"><?x "?>"<a href=e>)",
     {"d", "e"}},
    {"an href in a script", R"(<script>x="<a href='s'>"</script ><a href="after">)", {"after"}},
    {"a script's escaped text",
     R"(<script><!--<script></script><a href="in"></script>--></script><a href="out">)",
     {"out"}},
    {"an href in a textarea, title and style",
     R"(<textarea><a href="t"></textarea><TITLE><a href="u"></Title><style><a href=v></style x>)"
     R"(<a href="w">)",
     {"w"}},
    {"noscript is markup", R"(<noscript><a href="n"></noscript>)", {"n"}},
    {"plaintext runs to the end", R"(<plaintext></plaintext><a href="p">)", {}},
    {"&amp without ; and other references",
     R"(<a href="x.php?a=1&amp;b=2&amp&#38;&#x26;&copy=3&copy;&notit;&lt">)",
     {"x.php?a=1&b=2&&&&copy=3\u00A9&notit;<"}},
    {"numeric references out of range",
     R"(<a href="&#0;&#x110000;&#99999999999;&#xD800;&#128;&#x9d;&#65">)",
     {"\uFFFD\uFFFD\uFFFD\uFFFD\u20AC\u009DA"}},
    {"not references", R"(<a href="&#;&#x;&nosuch;&;&">)", {"&#;&#x;&nosuch;&;&"}},
    {"a value at the end of the file", R"(<a href=end.htm)", {"end.htm"}},
    {"an unterminated quote runs to the end",
     "<a href=\"open\n<a href='x'>",
     {"open\n<a href='x'>"}},
    {"byte 26 is a byte like any other", "<a href=\"a\x1a\">\x1a<a href=b>", {"a\x1a", "b"}},
    {"other bytes are kept", "<a href=\"x\0\xE9\r\ny\">"s, {"x\0\xE9\r\ny"s}},
};

class LinkReaderForms : public testing::TestWithParam<std::size_t> {};

TEST_P(LinkReaderForms, ReadsEachFormAsABrowserDoes) {
    for (const Case& c : kForms) {
        SCOPED_TRACE(c.name);
        Switches allOff;
        allOff.off = true;
        const Result result = read(c.html, GetParam(), false, allOff);
        EXPECT_EQ(result.links, c.links) << c.name;
        EXPECT_EQ(result.counters.characters, std::ssize(c.html)) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, LinkReaderForms, testing::Values(SIZE_MAX, 1, 2, 5));

TEST(LinkReader, IgnoresScriptAndDataLinksWithTheOtherRules) {
    const Result result = read("<a href=\"javascript:void(0)\"><a href=' JavaScript:x'>"
                               "<a href=\"java&#9;script:x\"><a href=VBSCRIPT:y><a href=data:,z>"
                               "<a href=\"#top\"><a href=\"ok\"><a href=\"my-javascript:x\">");
    EXPECT_EQ(result.links, (Links{"ok", "my-javascript:x"}));
    EXPECT_EQ(result.counters.linksIgnored, 6);
}

TEST(LinkReader, MediaSourcesWhenAskedFor) {
    const std::string html =
        R"(<img src="i.png"><script src="s.js"></script><input src="b.png" TYPE="Image">)"
        R"(<input src="no.png"><video poster="p.jpg" src=v.mp4><div data-src=d.jpg>)"
        R"(<img data-original="o.jpg" src="data:image/png,x">)"
        R"(<img srcset="a.jpg 1x, b.jpg 3x, c.jpg 2x"><source srcset="w1.jpg 100w,w2.jpg 900w">)"
        R"(<img data-srcset="first.jpg, second.jpg"><img srcset="a,b.jpg 2x">)";
    EXPECT_EQ(read(html, SIZE_MAX, true).links,
              (Links{"i.png", "b.png", "p.jpg", "v.mp4", "d.jpg", "o.jpg", "b.jpg", "w2.jpg",
                     "first.jpg", "a,b.jpg"}));
    EXPECT_EQ(read(html).links, Links{});
}

TEST(LinkReader, FindsThePagesOwnAddress) {
    struct Row {
        const char* name;
        std::string html;
        std::string address;
    };
    const Row rows[] = {
        {"saved-from comment", "<!-- saved from url=(0021)http://example.com/d/ -->",
         "http://example.com/d/"},
        {"saved-from length cuts", "<!-- saved from url=(0013)http://a.b/cdef-->", "http://a.b/cd"},
        {"first base", R"(<base target=x><base href="http://h/b/"><base href="http://o/">)",
         "http://h/b/"},
        {"a relative base resolved against a canonical link before it",
         R"(<link rel=canonical href="http://c.example/a/"><base href="../b/">)",
         "http://c.example/b/"},
        {"a relative base with nothing before it", R"(<base href="b/">)", ""},
        {"the comment before the base",
         "<base href=\"http://base/\"><!-- saved from url=(0012)http://save/ -->", "http://save/"},
        {"canonical", R"(<link rel="Alternate CANONICAL" href="http://c/page">)", "http://c/page"},
        {"a page of no address", "<!-- saved from url=(0014)about:internet -->", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(read(row.html, 3).address, row.address) << row.name;
    }
}

TEST(LinkReader, EachScanStartsAfresh) {
    const Switches switches;
    Links links;
    LinkReader reader(switches, false, [&](std::string_view link) { links.emplace_back(link); });
    MemorySource open(R"(<base href="http://a/"><script>)");
    reader.scan(open);
    MemorySource second(R"(<a href="y">)");
    reader.scan(second);
    EXPECT_EQ(links, (Links{"http://a/", "y"}));
    EXPECT_EQ(reader.pageAddress(), "");
}

TEST(LinkReader, LongValuesSpanningManyReadsAreKeptWhole) {
    const std::string value(2 * LinkReader::kBufferSize + 17, 'v');
    const Result result =
        read("<a href=\"" + value + "\"><a href=" + value + "&amp;", LinkReader::kBufferSize / 3);
    EXPECT_EQ(result.links, (Links{value, value + "&"}));
}

} // namespace
} // namespace harvex2::core
