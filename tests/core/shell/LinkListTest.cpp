#include "core/shell/LinkList.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

std::vector<std::string> texts(const LinkList& list) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < list.count(); ++i) {
        result.push_back(list.textAt(i));
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

} // namespace
} // namespace harvex2::core
