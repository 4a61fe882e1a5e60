#include "core/rules/RuleSet.h"

#include "core/rules/RuleApplication.h"
#include "core/rules/RuleCount.h"
#include "core/rules/SentLookup.h"

#include <memory>
#include <string>
#include <variant>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

RuleSet parsed(std::string_view text) {
    auto result = RuleSet::parse(text);
    if (auto* error = std::get_if<RuleError>(&result)) {
        ADD_FAILURE() << text << ": " << error->message();
        return {};
    }
    return std::move(std::get<RuleSet>(result));
}

// Whether the one-line rule "+ TEST" holds for the link.
bool holds(std::string_view test, std::string_view link, std::string_view base = {}) {
    const RuleSet rules = parsed("+ " + std::string(test));
    return rules.decide(link, {base}) != RuleSet::kUndecided;
}

struct KindCase {
    const char* test;
    const char* link;
    bool expected;
    const char* base = "";
};

void expectAll(std::initializer_list<KindCase> cases) {
    for (const KindCase& c : cases) {
        EXPECT_EQ(holds(c.test, c.link, c.base), c.expected)
            << c.test << " on " << c.link << " (base \"" << c.base << "\")";
    }
}

TEST(RuleKinds, ExtensionLooksAtTheFileNameWithoutQueryOrFragment) {
    expectAll({{"ext:mp4", "http://h/file.mp4?e=1", true},
               {"ext:mp4", "http://h/file.mp4#t=10", true},
               {"ext:zip", "http://h/archive.gzip", false},
               {"ext:gz", "http://h/x.tar.gz", true},
               {"ext:tar.gz", "http://h/x.gz", false},
               {"ext:jpg,png", "HTTP://H/A.PNG", true},
               {"EXT:png", "http://h/a.PNG", false},
               {"ext:.zip", "files/a.zip", true},
               {"ext:com", "http://www.example.com", false},
               {"ext:html", "http://h/page.html/next", false},
               {"ext:zip", "c:\\dir\\a.zip", true}});
}

TEST(RuleKinds, GlobCoversTheWholeLink) {
    expectAll({{"glob:*thumb*", "http://h/THUMBS/a.jpg", true},
               {"glob:*thumb", "http://h/thumb/a.jpg", false},
               {"glob:http://h/?.jpg", "http://h/a.jpg", true},
               {"glob:http://h/?.jpg", "http://h/ab.jpg", false},
               {"glob:*.jpg", "http://h/a.jpg?x", false},
               {"glob:*[1].jpg", "http://h/a[1].jpg", true},
               {"GLOB:*Thumb*", "http://h/thumb", false},
               {"glob:\"*big thumb*\"", "http://h/big thumb.jpg", true}});
}

TEST(RuleKinds, RegularExpressionSearchesTheLink) {
    expectAll({{"re:thumb\\d+", "http://h/THUMB12.jpg", true},
               {"RE:thumb\\d+", "http://h/THUMB12.jpg", false},
               {"re:^http://h/[a-z]+\\.jpg$", "http://h/abc.jpg", true},
               {"re:a b", "http://h/a b", true},
               // Valid UTF-8 is read as characters, anything else one character per byte.
               {"re:caf.$", "http://h/caf\xc3\xa9", true},
               {"re:caf.$", "http://h/caf\xe9", true},
               {"re:caf\xc3\xa9", "http://h/CAF\xc3\x89", true}});
}

TEST(RuleKinds, RegularExpressionTimeGrowsWithTheLinkOnly) {
    const std::string link = "http://h/" + std::string(200'000, 'a') + "!";
    EXPECT_FALSE(holds("re:(a+)+$", link));
    EXPECT_TRUE(holds("re:(a+)+!$", link));
}

TEST(RuleKinds, HostAndSchemeSeeRelativeEntriesOnlyThroughTheBase) {
    expectAll({{"host:*.example.com", "http://www.Example.com/a", true},
               {"host:*.example.com", "http://example.com/a", false},
               {"host:*.example.com", "http://user@a.example.com:8080/", true},
               {"host:example.com", "http://h/?u=example.com", false},
               {"host:h,*.example.com", "ftp://h", true},
               {"host:*.example.com", "/a.zip", true, "http://dl.example.com"},
               {"host:*", "/a.zip", false},
               {"scheme:ftp", "FTP://h/a", true},
               {"scheme:ftp", "a.zip", true, "ftp://h/"},
               {"scheme:ftp", "a.zip", false},
               {"scheme:http", "https://h/", false}});
}

TEST(RuleKinds, TextIsAPlainSubstring) {
    expectAll({{"text:chapter", "http://h/CHAPTER-1", true},
               {"TEXT:chapter", "http://h/CHAPTER-1", false},
               {"text:a.b", "http://h/axb", false},
               {"text:a*b", "http://h/axb", false},
               {"text:\"two words\"", "http://h/two words", true},
               {"text:\"say \"\"hi\"\"\"", "http://h/say \"hi\"", true}});
}

struct SentToAria2 final : SentLookup {
    bool wasSent(std::string_view link, std::string_view target) const override {
        return link == "http://h/old.zip" && (target.empty() || target == "aria2");
    }
};

TEST(RuleKinds, SentAsksWhatWasHandedOver) {
    const SentToAria2 ledger;
    const RuleSet rules = parsed("+ sent:\n+ sent:other");
    EXPECT_EQ(rules.decide("old.zip", {"http://h/", &ledger}), 0U);
    EXPECT_EQ(rules.decide("http://h/new.zip", {"", &ledger}), RuleSet::kUndecided);
    EXPECT_EQ(rules.decide("http://h/old.zip", {}), RuleSet::kUndecided);
}

TEST(RuleSet, BadRulesAreRefusedWithLineColumnAndReason) {
    const struct {
        const char* text;
        std::size_t line;
        std::size_t column;
        const char* reason;
    } cases[] = {
        {"+ re:(a", 1, 6, "Not a regular expression"},
        {"+ ext:zip\n\n+ ext:", 3, 3, "ext: needs a value"},
        {"+ ext:zip,,rar", 1, 11, "empty value"},
        {"+ foo:x", 1, 3, "There is no test \"foo:\""},
        {"+ Glob:*x*", 1, 3, "in lower case, or in capitals"},
        {"+ *thumb*", 1, 3, "such as ext:zip"},
        {"ext:zip", 1, 1, "begins with +"},
        {"+", 1, 2, "has no test"},
        {"+ text:\"open", 1, 8, "not closed"},
        {"+ text:\"a\"b", 1, 11, "must follow the closing quote"},
        {"# note\n+ text:caf\xc3\xa9 foo:x", 2, 13, "There is no test"},
    };
    for (const auto& c : cases) {
        auto result = RuleSet::parse(c.text);
        ASSERT_TRUE(std::holds_alternative<RuleError>(result)) << c.text;
        const RuleError& error = std::get<RuleError>(result);
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.column, c.column) << c.text;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << c.text << ": " << error.reason;
    }
}

struct CountingObserver final : LinkListObserver {
    void beginAppend(std::size_t, std::size_t) override {}
    void endAppend() override {}
    void beginRemove(std::size_t, std::size_t) override { ++notices; }
    void endRemove() override {}
    void checkedChanged(std::size_t, std::size_t) override { ++notices; }
    void beginReset() override { ++notices; }
    void endReset() override {}
    int notices = 0;
};

std::string flags(const LinkList& list) {
    std::string state;
    for (std::size_t i = 0; i < list.count(); ++i) {
        state += list.checkedAt(i) ? '+' : '-';
    }
    return state;
}

std::size_t countAfter(const LinkList& list, std::shared_ptr<const RuleSet> rules) {
    std::size_t counted = 0;
    RuleCount count(list, std::move(rules), "", nullptr,
                    [&](std::size_t selected) { counted = selected; });
    int slices = 1;
    while (count.advance()) {
        ++slices;
    }
    EXPECT_EQ(slices, static_cast<int>(list.count() / RuleCount::kSliceEntries) + 1);
    return counted;
}

TEST(RuleSet, TheLastLineThatHoldsDecidesAndUndecidedLinksKeepTheirState) {
    LinkList list;
    for (const char* text : {"a.jpg", "a-thumb.jpg", "b.zip", "c.txt", "d.txt"}) {
        list.append(text);
    }
    list.setChecked(3, true);
    CountingObserver observer;
    list.setObserver(&observer);
    const auto rules = std::make_shared<const RuleSet>(
        parsed("# pictures, not thumbnails\n+ ext:jpg,zip\n- glob:*thumb*\n- ext:zip"));
    EXPECT_EQ(countAfter(list, rules), 2U);
    applyRules(list, *rules, {});
    EXPECT_EQ(flags(list), "+--+-");
    EXPECT_EQ(observer.notices, 1);
    EXPECT_EQ(explainDecision(*rules, rules->decide("a-thumb.jpg", {})),
              "Line 3 decides: - glob:*thumb*");
    EXPECT_FALSE(rules->startsSelected());
}

TEST(RuleSet, CountingALongListTakesSeveralSlices) {
    LinkList list;
    list.appendAll(std::vector<std::string>(RuleCount::kSliceEntries * 2 + 1, "a.jpg"));
    EXPECT_EQ(countAfter(list, std::make_shared<const RuleSet>(parsed("+ ext:jpg"))),
              RuleCount::kSliceEntries * 2 + 1);
}

} // namespace
} // namespace harvex2::core
