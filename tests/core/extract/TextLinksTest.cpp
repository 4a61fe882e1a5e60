#include "core/extract/TextLinks.h"

#include "core/extract/MemorySource.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

std::vector<std::string> linksOf(std::string_view text) {
    std::vector<std::string> links;
    TextLinks finder([&](std::string_view link) { links.emplace_back(link); });
    finder.find(text);
    return links;
}

using Links = std::vector<std::string>;

TEST(TextLinks, FindsLinksWhereTextPutsThem) {
    struct Row {
        const char* text;
        Links links;
    };
    const Row rows[] = {
        // What peers cut short: $, Cyrillic, brackets, every link of a line.
        {"see http://h/a$b$c now", {"http://h/a$b$c"}},
        {"https://ru.wikipedia.org/wiki/Москва", {"https://ru.wikipedia.org/wiki/Москва"}},
        {"http://en.wikipedia.org/wiki/Pipe_(Unix) is it",
         {"http://en.wikipedia.org/wiki/Pipe_(Unix)"}},
        {"(see http://h/a_(b))", {"http://h/a_(b)"}},
        {"(see http://h/a).", {"http://h/a"}},
        {"http://h/x[1] and [http://h/y]", {"http://h/x[1]", "http://h/y"}},
        {"a http://h/1 b https://h/2 c ftp://h/3", {"http://h/1", "https://h/2", "ftp://h/3"}},
        {"one\nhttp://h/1\r\nhttp://h/2", {"http://h/1", "http://h/2"}},
        // Where a link ends.
        {"http://h/a.,;:!?' next", {"http://h/a"}},
        {"'http://h/a'", {"http://h/a"}},
        {"http://h/a:8080/b.html.", {"http://h/a:8080/b.html"}},
        {"\"http://h/q\"x<http://h/r>`http://h/s`", {"http://h/q", "http://h/r", "http://h/s"}},
        {"http://h/a\x01http://h/b\x7f", {"http://h/a", "http://h/b"}},
        {"链接http://h/a。下一个http://h/b，和（http://h/c）",
         {"http://h/a", "http://h/b", "http://h/c"}},
        {"http://h/a\xc2\xa0next\xe3\x80\x80http://h/b\xe2\x80\x83", {"http://h/a", "http://h/b"}},
        {"“http://h/q”", {"http://h/q"}},
        // Wrapped links.
        {"[text](http://h/a) [t](http://h/b_(c))", {"http://h/a", "http://h/b_(c)"}},
        {"[url]http://h/a[/url] [IMG]http://h/b.png[/IMG]", {"http://h/a", "http://h/b.png"}},
        {"[url=http://h/a[1]]text[/url]", {"http://h/a[1"}},
        {"[url=http://h/a]x[/url]", {"http://h/a"}},
        // www. hosts, case and what is no link.
        {"go to www.example.com/x.", {"http://www.example.com/x"}},
        {"WWW.Example.com HTTP://H/A", {"http://WWW.Example.com", "HTTP://H/A"}},
        {"http:// www. mail@www.h.com xhttp://h/a awww.h.com http://www.h/", {"http://www.h/"}},
        {"http:/h https:h ftp:", {}},
        // Bytes kept as found.
        {"http://h/%41\xff\xfe b", {"http://h/%41\xff\xfe"}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(linksOf(row.text), row.links) << row.text;
    }
}

// A link at every place of the blocks the text is searched in, and of the blocks its end is
// looked for in, the text's own end included: each is found whole, once.
TEST(TextLinks, FindsALinkWhereverItStandsInTheText) {
    for (const std::string link : {"www.h/", "http://h/"}) {
        for (std::size_t length = 0; length < 70; length += 23) {
            const std::string found =
                "http://" + link.substr(link[0] == 'w' ? 0 : 7) + std::string(length, 'p');
            for (std::size_t at = 0; at < 200; ++at) {
                const std::string text = std::string(at, ' ') + link + std::string(length, 'p');
                EXPECT_EQ(linksOf(text + ". " + std::string(4300, ' ')), Links{found}) << at;
                EXPECT_EQ(linksOf(text), Links{found}) << at;
            }
        }
    }
}

TEST(TextLinks, ReadsASourceInPiecesAsAWholeText) {
    std::string text;
    for (std::size_t i = 0; i < 2000; ++i) {
        text += "line " + std::to_string(i) + " http://h/" + std::string(i % 700, 'x') + "\n";
    }
    text += std::string(3 << 20, 'y') + "http://h/end";
    for (const std::size_t piece : {std::size_t{1} << 30, std::size_t{7}}) {
        MemorySource source(text, piece);
        Links links;
        TextLinks finder([&](std::string_view link) { links.emplace_back(link); });
        EXPECT_EQ(finder.scan(source), 2000u);
        EXPECT_EQ(links, linksOf(text)) << piece;
    }
}

} // namespace
} // namespace harvex2::core
