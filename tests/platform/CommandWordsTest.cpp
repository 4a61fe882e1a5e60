#include "platform/CommandWords.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

using Words = std::vector<std::string>;

TEST(CommandWords, CutsLinesAsAShellCutsWords) {
    const struct {
        const char* line;
        Words words;
    } cases[] = {
        {"", {}},
        {" \t ", {}},
        {"prog", {"prog"}},
        {"  prog   a\tb  ", {"prog", "a", "b"}},
        {R"("/opt/Direct Update/du" "/home/me/my programs/harvex.duf" )",
         {"/opt/Direct Update/du", "/home/me/my programs/harvex.duf"}},
        {R"("/opt/du" /UF)", {"/opt/du", "/UF"}},
        {R"(a""b "" '')", {"ab", "", ""}},
        {R"('it''s' 'a "b" \c')", {"its", R"(a "b" \c)"}},
        {R"("a \"b\" \\ \$x \c")", {R"(a "b" \ $x \c)"}},
        {R"(a\ b \"c \\)", {"a b", "\"c", "\\"}},
        {"$HOME *.txt ~ `x` ;|&", {"$HOME", "*.txt", "~", "`x`", ";|&"}},
        {"a\\\nb \\\n c", {"ab", "c"}},
        {"\"a\\\nb\"", {"ab"}},
        {"trailing\\", {"trailing\\"}},
        {"\"a\\`b\"", {"a`b"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(CommandWords::split(c.line), std::optional<Words>(c.words)) << c.line;
    }
}

TEST(CommandWords, RefusesAQuoteLeftOpen) {
    for (const char* line : {R"("/opt/du)", R"(prog 'a)", R"(prog "a\")", R"(prog "a" ")"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(CommandWords::split(line), std::nullopt) << line;
    }
}

TEST(CommandWords, AQuotedWordComesBackWhole) {
    for (const std::string word : {"/opt/Net Vampire/vampire", "it's", "$HOME \\ \"x\"", "", "'"}) {
        const auto words = CommandWords::split(CommandWords::quote(word));
        ASSERT_TRUE(words) << word;
        EXPECT_EQ(*words, std::vector<std::string>{word});
    }
}

} // namespace
} // namespace harvex2::platform
