#include "core/handoff/AddingRows.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowOutcome;

TEST(AddingRowsTest, IndexFromMainShowsTheListIndexOrTheOutcomeCode) {
    struct Case {
        std::optional<std::size_t> listIndex;
        RowOutcome outcome;
        const char* shown;
    };
    const Case cases[] = {
        {7, RowOutcome::Unmarked, "7"},
        {7, RowOutcome::Refused, "32007"},
        {7, RowOutcome::Fatal, "31999"},
        // A generated sequence's rows show "0", as the generator always wrote.
        {std::nullopt, RowOutcome::Unmarked, "0"},
        {std::nullopt, RowOutcome::Refused, "32000"},
        {40'000, RowOutcome::Refused, "72000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        core::AddingRows rows;
        std::optional<core::RowSource> source;
        if (c.listIndex) {
            source = core::RowSource{*c.listIndex, 1};
        }
        rows.append("http://h/a.zip", {}, source);
        rows.setOutcome(0, c.outcome);
        EXPECT_EQ(rows.at(0).indexFromMain(), c.shown);
    }
}

} // namespace
} // namespace harvex2::test
