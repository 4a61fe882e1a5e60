#include "core/handoff/CommandTemplate.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using Words = std::vector<std::string>;

FilledCommand fill(const std::string& line, const std::string& url, const std::string& dir = "d") {
    std::string error;
    const auto commands = CommandTemplate::parse(line, error);
    EXPECT_TRUE(commands.has_value()) << error;
    return commands->fill(CommandValues::forLink(url, dir, {}, "http://ref/page", 7));
}

TEST(CommandTemplateTest, PlaceholdersAreReplacedInsideTheWordsTheTemplateMakes) {
    const struct {
        std::string line;
        std::string url;
        Words words;
    } cases[] = {
        {"wget -q -O {dir}/{name} --referer={referer} -- {url}",
         "http://h/a/file.zip?x=1#f",
         {"wget", "-q", "-O", "d/file.zip", "--referer=http://ref/page", "--",
          "http://h/a/file.zip?x=1#f"}},
        {"'my prog' \"{n}: {url}\" x{name}y",
         "http://h/%41 b",
         {"my prog", "7: http://h/%41 b", "xA by"}},
        // Whatever a link holds stays in its one word: no shell reads it.
        {"p -- {url}",
         "http://h/a\nb;$(rm -rf ~)`x` 'q\"",
         {"p", "--", "http://h/a\nb;$(rm -rf ~)`x` 'q\""}},
        {"p {url}", "{name}", {"p", "{name}"}},
        // No usable name, or "-", which means standard output to most programs.
        {"p {name}", "http://host", {"p", "download-7"}},
        {"p {name}", "http://h/dir/", {"p", "download-7"}},
        {"p {name}", "http://h/-", {"p", "download-7"}},
        {"p {name}", "http://h/..", {"p", "download-7"}},
        {"p -- {url} {url}", "-x", {"p", "--", "-x", "-x"}},
        {"p --url={url}", "-x", {"p", "--url=-x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line + " " + c.url);
        const FilledCommand line = fill(c.line, c.url);
        EXPECT_EQ(line.refusal, "");
        EXPECT_EQ(line.words, c.words);
    }
}

TEST(CommandTemplateTest, AValueThatCouldBeReadAsAnOptionOrHoldsANulRefusesItsRow) {
    const struct {
        std::string line;
        std::string url;
        std::string dir;
        std::string refusal;
    } cases[] = {
        {"p {url} --", "-oops", "d", "the link starts with \"-\" and would be read as an option"},
        {"p {url}", "--output=/etc/passwd", "d",
         "the link starts with \"-\" and would be read as an option"},
        {"p -O {dir}/{name} -- {url}", "http://h/f", "-rf",
         "the folder starts with \"-\" and would be read as an option"},
        {"p -- {url}", std::string("http://h/a\0b", 12), "d",
         "the link holds a NUL byte, which no program argument can carry"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line + " " + c.url);
        const FilledCommand line = fill(c.line, c.url, c.dir);
        EXPECT_EQ(line.refusal, c.refusal);
        EXPECT_TRUE(line.words.empty());
    }
}

TEST(CommandTemplateTest, ALineAShellWouldRefuseOrThatNamesNoProgramIsRefused) {
    for (const char* line : {"wget \"{url}", "curl '{url}", "", "   "}) {
        std::string error;
        EXPECT_FALSE(CommandTemplate::parse(line, error).has_value()) << line;
        EXPECT_FALSE(error.empty());
    }
}

TEST(CommandTemplateTest, AnEmptyFolderIsTheCurrentOne) {
    EXPECT_EQ(CommandValues::forLink("http://h/f", "", "", "", 1).dir, ".");
}

} // namespace
} // namespace harvex2::core
