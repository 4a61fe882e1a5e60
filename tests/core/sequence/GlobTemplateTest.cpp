#include "core/sequence/GlobTemplate.h"

#include "core/sequence/GlobCursor.h"
#include "core/sequence/GlobError.h"

#include <cstdio>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using Urls = std::vector<std::string>;
using ::testing::ElementsAreArray;

// A closed port on loopback: curl's connection is refused at once, and -w still prints
// each URL it made.
const std::string kBase = "http://127.0.0.1:9/";

struct Expansion {
    Urls urls;
    std::optional<std::string> refusal; // curl's reason
};

std::string quoted(const std::string& arg) {
    std::string text = "'";
    for (const char c : arg) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

std::optional<Expansion> curlExpansion(const std::string& glob) {
    const std::string command =
        "curl -sS --connect-timeout 5 -o /dev/null -w '%{url}\\n' " + quoted(glob) + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return std::nullopt;
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 127) {
        return std::nullopt;
    }
    Expansion made;
    for (std::size_t at = 0, end; (end = output.find('\n', at)) != std::string::npos;
         at = end + 1) {
        const std::string line = output.substr(at, end - at);
        const std::string refused = "curl: (3) ";
        if (line.starts_with(refused)) {
            // The template and a caret under the position follow; curl stops there.
            made.refusal =
                line.substr(refused.size(), line.find(" in URL position") - refused.size());
            break;
        }
        if (!line.starts_with("curl: (")) {
            made.urls.push_back(line);
        }
    }
    return made;
}

Expansion ownExpansion(const std::string& glob) {
    Expansion made;
    try {
        const GlobTemplate parsed = GlobTemplate::parse(glob);
        std::string url;
        for (std::uint64_t i = 0; i < parsed.count(); ++i) {
            parsed.urlAt(i, url);
            made.urls.push_back(url);
        }
    } catch (const GlobError& error) {
        made.refusal = error.reason();
    }
    return made;
}

std::string repeated(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

TEST(GlobTemplate, ExpandsAndRefusesAsCurlDoes) {
    if (!curlExpansion(kBase)) {
        GTEST_SKIP() << "curl is not installed";
    }
    const std::vector<std::string> templates = {
        // Padding widths, 64-bit numbers.
        "f[1-3].txt", "[001-3]", "[08-11]", "[0000000000000000000001-2]", "[0-2]",
        "[18446744073709551614-18446744073709551615]",
        "[18446744073709551616-18446744073709551617]",
        // Steps, also overshooting the end; blanks and signs where curl allows them.
        "[0-10:3]", "[1-5:10]", "[3-3]", "[3-3:2]", "[1- 3]", "[1-3: 2]", "[1-3:+2]", "[1-3:-2]",
        "[1-3:]", "[1-3x]", "[1-x]", "[1]", "[-1]", "[1-2",
        // Descending ranges.
        "[5-1]", "[z-a]", "[9-0:2]",
        // Letters, a range may pass through signs.
        "[a-e:2]", "[A-C]", "[Z-a]", "[Z-]]x", "[a-z:3]", "[a-z:30]", "[a]", "[a-\xc3]", "[a-a:1]",
        "[A-z]",
        // Adjacent groups and lists.
        "[1-2][a-b]{x,y}", "{a,}b", "{,}", "{}", "{a,b", "{a[1-2]}", "{a{b}}", "{a,b]}", "a]", "a}",
        "{x}[1-2]{y}",
        // Escapes.
        "\\[1-2\\]\\{a\\}\\x", "{a\\,b,c\\d}", "{a\\}", "x\\y\\\\[1-2]",
        // Bracketed hosts and what only looks like one.
        "[::1]/[1-2]", "[::ffff:1.2.3.4]/", "[::ffff:1.2.3.04]/", "[1:2:3:4:5:6:7:8]", "[1::2::3]",
        "[12345::]", "[::]", "[:1]", "[1:]", "[::1:]", "[fe80::1%eth0]", "[::1%]", "[::1%25]",
        "[::1%abcdefghijklmno]", "[::1%abcdefghijklmnop]", "[x@[::1]", "[a@b@[::1]", "[a b@[::1]",
        "[1.2.3.4]", "[]x", "[1:2:3:4:5:6:1.2.3.4]", "[1:2:3:4:5:6:7:1.2.3.4]",
        // Groups in the query.
        "p?id=[1-2]&s={a,b}", "p?q=[08-10:2]&r=[a-b]",
        // Too many pieces.
        repeated("{a}", 98), repeated("{a}", 99), repeated("x{a}", 50)};
    for (const std::string& glob : templates) {
        SCOPED_TRACE(glob);
        const auto curl = curlExpansion(kBase + glob);
        ASSERT_TRUE(curl);
        const Expansion own = ownExpansion(kBase + glob);
        // One refusal says what a range must start with, where curl only calls it bad.
        if (own.refusal == "a range must start with a number or a letter") {
            ASSERT_TRUE(curl->refusal);
            EXPECT_TRUE(curl->refusal->starts_with("bad range")) << *curl->refusal;
        } else {
            EXPECT_EQ(own.refusal, curl->refusal);
        }
        EXPECT_THAT(own.urls, ElementsAreArray(curl->urls));
    }
    // A host in brackets where curl's own URL parser sees it.
    const auto curl = curlExpansion("http://[::1]:9/[1-2]");
    ASSERT_TRUE(curl);
    EXPECT_THAT(ownExpansion("http://[::1]:9/[1-2]").urls, ElementsAreArray(curl->urls));
}

TEST(GlobTemplate, RefusalsNameTheirPosition) {
    struct Case {
        std::string glob;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"ab[5-1]", "bad range at position 8"},
        {"{a}[5-1]x", "bad range at position 9"},
        {"[::1]/\\[[1-x]", "bad range at position 12"},
        {"x{a,b", "unmatched brace at position 2"},
        {"{a[1]}", "nested brace at position 3"},
        {"a]", "unmatched close brace/bracket at position 2"},
        {"[0-18446744073709551615]", "too many URLs at position 25"},
        {"[1-4294967296]{a,b}[1-1073741825]", "too many URLs at position 34"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.glob);
        try {
            GlobTemplate::parse(c.glob);
            ADD_FAILURE() << "not refused";
        } catch (const GlobError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
}

TEST(GlobTemplate, CountsAndMeasuresWithoutExpanding) {
    const std::vector<std::tuple<std::string, std::uint64_t, std::uint64_t>> cases = {
        {"x", 1, 1},
        {"[1-1000000000]", 1'000'000'000, 10},
        {"[0-10:3]{a,bbb}[a-c]", 24, 5},
        {"h/[001-100:7]", 15, 5},
        {"[0-9223372036854775807]", GlobTemplate::kMaxCount, 19},
        {"[1-4294967296][1-2147483648]", GlobTemplate::kMaxCount, 20},
    };
    for (const auto& [glob, count, longest] : cases) {
        const GlobTemplate parsed = GlobTemplate::parse(glob);
        EXPECT_EQ(parsed.count(), count) << glob;
        EXPECT_EQ(parsed.longestUrl(), longest) << glob;
    }
    EXPECT_THROW(GlobTemplate::parse("[0-9223372036854775808]"), GlobError);
}

TEST(GlobTemplate, KeepsEachUrlsCounters) {
    const GlobTemplate glob = GlobTemplate::parse("a[08-10]/{x,yy}[c-d].jpg");
    const std::vector<std::pair<std::uint64_t, std::vector<std::string>>> cases = {
        {0, {"08", "x", "c"}},
        {5, {"09", "x", "d"}},
        {11, {"10", "yy", "d"}},
    };
    for (const auto& [index, counters] : cases) {
        EXPECT_THAT(glob.countersAt(index), ElementsAreArray(counters)) << index;
    }
    // The cursor walks the same URLs, with the same counters, and stops on the last.
    GlobCursor cursor(glob);
    std::string url;
    for (std::uint64_t index = 0; index < glob.count(); ++index) {
        SCOPED_TRACE(index);
        glob.urlAt(index, url);
        EXPECT_EQ(cursor.url(), url);
        const std::vector<std::string> counters = glob.countersAt(index);
        ASSERT_EQ(cursor.counterCount(), counters.size());
        for (std::size_t n = 0; n < counters.size(); ++n) {
            EXPECT_EQ(cursor.counter(n), counters[n]);
        }
        EXPECT_EQ(cursor.next(), index + 1 < glob.count());
    }
    EXPECT_EQ(cursor.url(), "a10/yyd.jpg");
}

} // namespace
} // namespace harvex2::core
