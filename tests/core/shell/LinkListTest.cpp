#include "core/shell/LinkList.h"

#include <map>
#include <tuple>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

std::vector<std::string> texts(const LinkList& list) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < list.count(); ++i) {
        result.emplace_back(list.textAt(i));
    }
    return result;
}

LinkList listOf(int size) {
    LinkList list;
    for (int i = 0; i < size; ++i) {
        list.append(std::to_string(i));
    }
    return list;
}

TEST(LinkList, CommandsOnAnEmptyListDoNothing) {
    LinkList list;
    list.selectAll();
    list.deselectAll();
    list.invertSelection();
    list.removeSelected();
    list.clear();
    list.invertBetween(6, 2);
    EXPECT_EQ(list.count(), 0u);
}

TEST(LinkList, AppendKeepsDuplicatesAndExactBytes) {
    LinkList list;
    list.append("a\r\nb");
    list.append("a\r\nb");
    list.append("");
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list.textAt(1), "a\r\nb");
    EXPECT_EQ(list.textAt(2), "");
    EXPECT_FALSE(list.checkedAt(0));
}

TEST(LinkList, RemoveSelectedKeepsUncheckedInOrder) {
    LinkList list = listOf(5);
    list.setChecked(1, true);
    list.setChecked(3, true);
    list.removeSelected();
    EXPECT_EQ(texts(list), (std::vector<std::string>{"0", "2", "4"}));
}

TEST(LinkList, RemoveEntriesTakesEachNamedEntryOnceInAnyOrder) {
    LinkList list = listOf(6);
    list.removeEntries({4, 1, 4, 9, 0});
    EXPECT_EQ(texts(list), (std::vector<std::string>{"2", "3", "5"}));
}

TEST(LinkList, InvertBetweenWalksStrictlyInsideTheRange) {
    LinkList list = listOf(8);
    list.invertBetween(6, 2);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(list.checkedAt(i), i >= 3 && i <= 5) << i;
    }
    list.invertBetween(2, 2);
    EXPECT_TRUE(list.checkedAt(3));
    list.invertBetween(0, 3);
    EXPECT_TRUE(list.checkedAt(1));
    EXPECT_TRUE(list.checkedAt(2));
    EXPECT_TRUE(list.checkedAt(3));
}

// A shift-click while no entry is current (row -1) reaches down to entry 0 and past it.
TEST(LinkList, InvertBetweenReachesEntryZeroFromEitherSide) {
    LinkList down = listOf(5);
    down.invertBetween(3, -1);
    std::vector<bool> checked;
    for (std::size_t i = 0; i < down.count(); ++i) {
        checked.push_back(down.checkedAt(i));
    }
    EXPECT_EQ(checked, (std::vector<bool>{true, true, true, false, false}));

    LinkList up = listOf(5);
    up.invertBetween(-1, 2);
    EXPECT_TRUE(up.checkedAt(0));
    EXPECT_TRUE(up.checkedAt(1));
    EXPECT_FALSE(up.checkedAt(2));
}

TEST(LinkList, InvertBetweenSkipsIndicesPastTheEnd) {
    LinkList list = listOf(4);
    list.invertBetween(9, 1);
    EXPECT_EQ(list.count(), 4u);
    EXPECT_FALSE(list.checkedAt(1));
    EXPECT_TRUE(list.checkedAt(2));
    EXPECT_TRUE(list.checkedAt(3));
}

// Stands for a view: with one attached, the list removes few runs one by one instead of
// rebuilding itself.
struct SilentObserver final : LinkListObserver {
    void beginAppend(std::size_t, std::size_t) override {}
    void endAppend() override {}
    void beginRemove(std::size_t, std::size_t) override {}
    void endRemove() override {}
    void checkedChanged(std::size_t, std::size_t) override {}
    void beginReset() override {}
    void endReset() override {}
};

// What a view hears of appended entries that come checked: the append, then the span of
// the checked ones once, however many there are.
TEST(LinkList, AppendCheckedTellsTheCheckedSpanOnce) {
    struct Heard final : LinkListObserver {
        void beginAppend(std::size_t first, std::size_t last) override {
            events.push_back({'a', first, last});
        }
        void endAppend() override {}
        void beginRemove(std::size_t, std::size_t) override {}
        void endRemove() override {}
        void checkedChanged(std::size_t first, std::size_t last) override {
            events.push_back({'c', first, last});
        }
        void beginReset() override {}
        void endReset() override {}
        std::vector<std::tuple<char, std::size_t, std::size_t>> events;
    };
    const struct {
        std::vector<bool> checked;
        std::vector<std::tuple<char, std::size_t, std::size_t>> heard;
    } rows[] = {
        {{false, true, false, true}, {{'a', 2, 5}, {'c', 3, 5}}},
        {{false, false, false, false}, {{'a', 2, 5}}},
    };
    for (const auto& row : rows) {
        LinkList list = listOf(2);
        Heard heard;
        list.setObserver(&heard);
        list.appendChecked({"a", "b", "c", "d"}, row.checked);
        EXPECT_EQ(heard.events, row.heard);
        std::vector<bool> checked;
        for (std::size_t i = 0; i < list.count(); ++i) {
            checked.push_back(list.checkedAt(i));
        }
        std::vector<bool> expected{false, false};
        expected.insert(expected.end(), row.checked.begin(), row.checked.end());
        EXPECT_EQ(checked, expected);
        EXPECT_EQ(texts(list), (std::vector<std::string>{"0", "1", "a", "b", "c", "d"}));
    }
}

TEST(LinkList, RemovalsKeepTheOtherIdsAndTakeTheirDetailsAlong) {
    const struct {
        const char* name;
        void (*remove)(LinkList&);
        std::vector<std::string> kept;
    } cases[] = {
        {"one", [](LinkList& list) { list.removeAt(1); }, {"0", "2", "3", "4"}},
        {"checked",
         [](LinkList& list) {
             list.setChecked(0, true);
             list.setChecked(3, true);
             list.removeSelected();
         },
         {"1", "2", "4"}},
        {"named",
         [](LinkList& list) {
             list.removeEntries({4, 2});
         },
         {"0", "1", "3"}},
        {"all", [](LinkList& list) { list.clear(); }, {}},
    };
    for (const bool viewed : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (viewed ? " viewed" : ""));
            LinkList list = listOf(5);
            SilentObserver view;
            list.setObserver(viewed ? &view : nullptr);
            std::map<std::string, EntryId> ids;
            for (std::size_t i = 0; i < list.count(); ++i) {
                ids[std::string(list.textAt(i))] = list.idAt(i);
                list.details().referrers.set(list.idAt(i), "from " + std::string(list.textAt(i)));
            }
            c.remove(list);
            ASSERT_EQ(texts(list), c.kept);
            for (std::size_t i = 0; i < list.count(); ++i) {
                EXPECT_EQ(list.idAt(i), ids[std::string(list.textAt(i))]);
                EXPECT_EQ(*list.details().referrers.find(list.idAt(i)),
                          "from " + std::string(list.textAt(i)));
            }
            EXPECT_EQ(list.details().referrers.size(), c.kept.size());
            EXPECT_GT(list.append("new"), ids["4"]);
        }
    }
}

TEST(LinkList, EachBatchRecordsThePageItCameFrom) {
    LinkList list;
    list.append("a", "http://p/");
    list.appendAll({"b", "c"}, "http://q/");
    list.append("d");
    list.appendAll({"e"}, "http://p/");
    const std::vector<std::string> origins{"http://p/", "http://q/", "http://q/", "", "http://p/"};
    for (std::size_t i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.originAt(i), origins[i]) << i;
    }
    list.clear();
    list.append("f");
    EXPECT_EQ(list.originAt(0), "");
}

} // namespace
} // namespace harvex2::core
