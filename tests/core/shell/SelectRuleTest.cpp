#include "core/shell/SelectRule.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using Match = SelectRule::Match;

TEST(SelectRule, ExtensionRunsFromTheLastDotUnlessABackslashOrColonFollows) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://h/photo.jpg", ".jpg"},
        {"http://h/photo.jpg?size=2", ".jpg?size=2"},
        {"http://h/files.old/readme", ".old/readme"},
        {"http://h/readme", ""},
        {"news.local:group", ""},
        {"c:\\dir.d\\file", ""},
        {"a.b.C", ".C"},
        {"photo.", "."},
        {"", ""},
    };
    for (const auto& [text, extension] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(extensionOf(text), extension) << text;
    }
}

TEST(SelectRule, NormalisingDropsUpToTheFirstStarAndAddsTheDot) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},         {"*", ""},         {"*.jpg", ".jpg"}, {"gif", ".gif"},
        {".png", ".png"}, {"a*b*c", ".b*c"}, {"**", ".*"},      {"x*.", "."},
    };
    for (const auto& [typed, normalised] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(normaliseExtension(typed), normalised) << typed;
    }
}

// The list before each case: "-+--+--" (entries 1 and 4 checked).
struct ApplyCase {
    bool deselectFirst;
    Match match;
    const char* pattern;
    const char* after;
};

void PrintTo(const ApplyCase& c, std::ostream* out) {
    *out << (c.deselectFirst ? "Everything " : "Nothing ")
         << (c.match == Match::Extension ? "extension " : "text ") << '"' << c.pattern << '"';
}

LinkList sampleList() {
    LinkList list;
    for (const char* text :
         {"http://h/photo.jpg", "http://h/photo.jpg?size=2", "http://h/photo.jpeg",
          "http://h/a.ZIP", "http://h/files.old/readme", "http://h/File", "http://h/caf\xc3\xa9"}) {
        list.append(text);
    }
    list.setChecked(1, true);
    list.setChecked(4, true);
    return list;
}

std::string flags(const LinkList& list) {
    std::string state;
    for (std::size_t i = 0; i < list.count(); ++i) {
        state += list.checkedAt(i) ? '+' : '-';
    }
    return state;
}

class SelectRuleApply : public testing::TestWithParam<ApplyCase> {};

TEST_P(SelectRuleApply, ChecksMatchesAndKeepsOrClearsTheRest) {
    LinkList list = sampleList();
    SelectRule rule{GetParam().deselectFirst, GetParam().match, {}, {}};
    (rule.match == Match::Extension ? rule.extension : rule.text) = GetParam().pattern;
    applySelectRule(list, rule);
    EXPECT_EQ(flags(list), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectRuleApply,
    testing::Values(ApplyCase{false, Match::Extension, ".zip", "-+-++--"},
                    ApplyCase{true, Match::Extension, ".JPG", "+------"},
                    ApplyCase{false, Match::Extension, ".JPG", "++--+--"},
                    ApplyCase{true, Match::Extension, ".jpg?SIZE=2", "-+-----"},
                    ApplyCase{true, Match::Extension, ".old/readme", "----+--"},
                    ApplyCase{true, Match::Extension, "", "-----++"},
                    ApplyCase{false, Match::Text, "", "-+--+--"},
                    ApplyCase{true, Match::Text, "", "-------"},
                    ApplyCase{true, Match::Text, "FILE", "----++-"},
                    ApplyCase{true, Match::Text, "photo.JP", "+++----"},
                    ApplyCase{true, Match::Text, "CAF\xc3\xa9", "------+"},
                    ApplyCase{true, Match::Text, "caf\xc3\x89", "-------"}));

class RangeRecorder : public LinkListObserver {
public:
    std::vector<std::pair<std::size_t, std::size_t>> changes;

    void beginAppend(std::size_t, std::size_t) override {}
    void endAppend() override {}
    void beginRemove(std::size_t, std::size_t) override {}
    void endRemove() override {}
    void checkedChanged(std::size_t first, std::size_t last) override {
        changes.emplace_back(first, last);
    }
    void beginReset() override {}
    void endReset() override {}
};

TEST(SelectRule, OneNotificationSpansTheChangedEntriesOnly) {
    LinkList list = sampleList();
    RangeRecorder recorder;
    list.setObserver(&recorder);
    // Unchecks 1 and 4 and checks 3: entries 0, 5 and 6 stay as they were.
    applySelectRule(list, {true, Match::Extension, ".zip", {}});
    EXPECT_EQ(recorder.changes, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 4}}));
    recorder.changes.clear();
    applySelectRule(list, {true, Match::Extension, ".zip", {}});
    EXPECT_TRUE(recorder.changes.empty());
}

} // namespace
} // namespace harvex2::core
