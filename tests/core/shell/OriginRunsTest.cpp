#include "core/shell/OriginRuns.h"

#include <vector>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

struct Set {
    EntryId first;
    EntryId end;
    OriginTable::Index origin;
};

TEST(OriginRuns, EachIdKeepsThePageLastSetForIt) {
    const struct {
        const char* name;
        std::vector<Set> sets;
        std::vector<OriginTable::Index> expected; // for ids 1 to 8
        std::size_t marks;
    } cases[] = {
        {"nothing known", {}, {0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"appends without a page", {{1, 4, 0}, {4, 9, 0}}, {0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"one page, one at a time",
         {{1, 2, 3}, {2, 3, 3}, {3, 4, 3}, {4, 5, 3}},
         {3, 3, 3, 3, 0, 0, 0, 0},
         2},
        {"pages in turn",
         {{1, 3, 1}, {3, 5, 2}, {5, 6, 0}, {6, 8, 1}},
         {1, 1, 2, 2, 0, 1, 1, 0},
         5},
        {"restored into a gap", {{1, 3, 1}, {6, 8, 1}, {4, 5, 2}}, {1, 1, 0, 2, 0, 1, 1, 0}, 6},
        {"set over a run's middle", {{1, 8, 1}, {3, 5, 2}}, {1, 1, 2, 2, 1, 1, 1, 0}, 4},
        {"set back to what was around",
         {{1, 8, 1}, {3, 5, 2}, {3, 5, 1}},
         {1, 1, 1, 1, 1, 1, 1, 0},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OriginRuns runs;
        for (const Set& set : c.sets) {
            runs.set(set.first, set.end, set.origin);
        }
        for (EntryId id = 1; id <= 8; ++id) {
            EXPECT_EQ(runs.at(id), c.expected[id - 1]) << id;
        }
        EXPECT_EQ(runs.marks(), c.marks);
    }
}

} // namespace
} // namespace harvex2::core
