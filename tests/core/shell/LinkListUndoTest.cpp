#include "core/shell/LinkList.h"

#include <functional>
#include <tuple>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using Row = std::tuple<std::string, EntryId, std::string, bool, std::optional<std::string>,
                       std::optional<std::vector<std::string>>>;

// Everything undo must bring back, entry by entry.
std::vector<Row> snapshot(const LinkList& list) {
    std::vector<Row> rows;
    for (std::size_t i = 0; i < list.count(); ++i) {
        const EntryId id = list.idAt(i);
        const std::string* name = list.details().fileNames.find(id);
        const auto* counters = list.details().counters.find(id);
        rows.emplace_back(list.textAt(i), id, list.originAt(i), list.checkedAt(i),
                          name ? std::optional(*name) : std::nullopt,
                          counters ? std::optional(*counters) : std::nullopt);
    }
    return rows;
}

// 200 entries from two pages, every third checked, some with details.
void fill(LinkList& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < 200; ++i) {
        texts.push_back("http://h/" + std::to_string(i) + std::string(i % 7 == 0 ? 40 : 0, 'x'));
    }
    const EntryId first = list.appendAll({texts.begin(), texts.begin() + 100}, "http://page/1");
    list.appendAll({texts.begin() + 100, texts.end()}, "http://page/2");
    for (std::size_t i = 0; i < list.count(); i += 3) {
        list.setChecked(i, true);
    }
    list.details().fileNames.set(first + 4, "four.bin");
    list.details().counters.set(first + 150, {"1", "50"});
}

class CountingObserver : public LinkListObserver {
public:
    void beginAppend(std::size_t, std::size_t) override {}
    void endAppend() override {}
    void beginRemove(std::size_t, std::size_t) override {}
    void endRemove() override {}
    void checkedChanged(std::size_t, std::size_t) override {}
    void beginReset() override {}
    void endReset() override {}
};

TEST(LinkListUndo, EveryKindOfChangeComesBackExactly) {
    const std::vector<std::pair<const char*, std::function<void(LinkList&)>>> changes{
        {"append",
         [](LinkList& l) {
             l.appendAll({"a", "b"}, "http://page/3");
         }},
        {"remove one", [](LinkList& l) { l.removeAt(4); }},
        {"clear", [](LinkList& l) { l.clear(); }},
        {"remove selected", [](LinkList& l) { l.removeSelected(); }},
        {"remove a few",
         [](LinkList& l) {
             l.removeEntries({150, 3, 4, 5, 199});
         }},
        {"select all", [](LinkList& l) { l.selectAll(); }},
        {"deselect all", [](LinkList& l) { l.deselectAll(); }},
        {"invert", [](LinkList& l) { l.invertSelection(); }},
        {"remove and check",
         [](LinkList& l) {
             std::vector<bool> removed(l.count());
             removed[5] = removed[150] = removed[151] = true;
             l.removeAndCheck(removed, {1, 2, 3});
         }},
        {"invert between", [](LinkList& l) { l.invertBetween(190, 2); }},
        {"recheck", [](LinkList& l) { l.recheck([](const auto& e) { return e.id % 5 == 0; }); }},
        {"several in one change",
         [](LinkList& l) {
             l.removeAt(0);
             l.append("c");
             l.setChecked(l.count() - 1, true);
             l.invertSelection();
             l.removeSelected();
         }},
    };
    for (const bool observed : {false, true}) {
        for (const auto& [name, change] : changes) {
            SCOPED_TRACE(std::string(name) + (observed ? " observed" : ""));
            LinkList list;
            CountingObserver observer;
            list.setObserver(observed ? &observer : nullptr);
            fill(list);
            UndoHistory history;
            list.setHistory(&history);
            const auto before = snapshot(list);
            change(list);
            ASSERT_TRUE(list.canUndo());
            list.undo();
            EXPECT_EQ(snapshot(list), before);
            EXPECT_FALSE(list.canUndo());
        }
    }
}

TEST(LinkListUndo, ChangesUndoOneAtATimeAndTheOldestGoFirst) {
    LinkList list;
    UndoHistory history;
    list.setHistory(&history);
    std::vector<std::vector<Row>> states;
    for (std::size_t i = 0; i < UndoHistory::kSteps + 5; ++i) {
        states.push_back(snapshot(list));
        // One change appending in batches, checking what it appended as a file open does.
        list.appendAll({"x" + std::to_string(i)});
        list.appendAll({"y" + std::to_string(i)});
        list.setChecked(list.count() - 1, true);
        history.endChange();
    }
    EXPECT_EQ(history.steps(), UndoHistory::kSteps);
    for (std::size_t i = states.size(); i-- > states.size() - UndoHistory::kSteps;) {
        list.undo();
        EXPECT_EQ(snapshot(list), states[i]) << i;
    }
    EXPECT_FALSE(list.canUndo());
}

TEST(LinkListUndo, UndoneAppendsKeepTheirIdsUsed) {
    LinkList list;
    UndoHistory history;
    list.setHistory(&history);
    const EntryId first = list.append("a");
    list.undo();
    EXPECT_GT(list.append("b"), first);
}

TEST(LinkListUndo, ALargeStepIsKeptOnlyWhenTheUserSaysSo) {
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep);
        LinkList list;
        std::vector<std::size_t> asked;
        UndoHistory history([&](std::size_t bytes) { return asked.push_back(bytes), keep; }, 1000);
        fill(list);
        list.setHistory(&history);
        list.invertSelection();
        history.endChange();
        const auto before = snapshot(list);
        list.clear();
        // Asked once for the step, not again as the same change goes on.
        list.append("after");
        list.removeAt(0);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_GT(asked[0], 200 * sizeof(LinkEntry));
        EXPECT_EQ(list.count(), 0u);
        ASSERT_EQ(list.canUndo(), keep);
        list.undo();
        EXPECT_EQ(snapshot(list) == before, keep);
    }
}

// Removals that leave most of the texts' memory unused make the list copy the rest
// together: what stays, and what undo brings back, must be untouched by that.
TEST(LinkListUndo, TextsSurviveTheListShrinkingItsMemory) {
    const std::vector<std::pair<const char*, std::function<void(LinkList&)>>> removals{
        {"remove most at once",
         [](LinkList& l) {
             std::vector<std::size_t> indexes;
             for (std::size_t i = 0; i < l.count(); ++i) {
                 if (i % 10 != 3) {
                     indexes.push_back(i);
                 }
             }
             l.removeEntries(indexes);
         }},
        {"remove one by one",
         [](LinkList& l) {
             for (std::size_t i = l.count(); i-- > 0;) {
                 if (i % 10 != 3) {
                     l.removeAt(i);
                 }
             }
         }},
    };
    for (const auto& [name, remove] : removals) {
        SCOPED_TRACE(name);
        LinkList list;
        std::vector<std::string> texts;
        for (int i = 0; i < 3000; ++i) {
            texts.push_back(std::to_string(i) + std::string(1000, static_cast<char>(i)));
        }
        list.appendAll(texts, "http://page/");
        list.setChecked(13, true);
        UndoHistory history;
        list.setHistory(&history);
        const auto before = snapshot(list);
        remove(list);
        ASSERT_EQ(list.count(), 300u);
        for (std::size_t i = 0; i < list.count(); ++i) {
            ASSERT_EQ(list.textAt(i), texts[i * 10 + 3]) << i;
            EXPECT_EQ(list.originAt(i), "http://page/");
            EXPECT_EQ(list.checkedAt(i), i == 1);
        }
        history.endChange();
        while (list.canUndo()) {
            list.undo();
        }
        EXPECT_EQ(snapshot(list), before);
    }
}

} // namespace
} // namespace harvex2::core
