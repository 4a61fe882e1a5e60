#include "core/handoff/ListTidyUp.h"

#include "support/core/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowOutcome;
using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

// Unanswered: added by a target that does not tell link by link what it took.
enum class Outcome { Added, Unanswered, Refused, Stopped, Waiting };

// Leaves a row as a pass would.
void finish(core::AddingRows& rows, std::size_t r, Outcome outcome) {
    switch (outcome) {
    case Outcome::Added:
        rows.setStatus(r, "A0000001", RowPicture::Added);
        break;
    case Outcome::Unanswered:
        rows.setStatus(r, "A0000001", RowPicture::Added);
        rows.setAnsweredPerLink(r, false);
        break;
    case Outcome::Refused:
        rows.setStatus(r, "Failed - invalid URL", RowPicture::Refused);
        rows.setOutcome(r, RowOutcome::Refused);
        break;
    case Outcome::Stopped:
        rows.setStatus(r, "Adding", RowPicture::Adding);
        break;
    case Outcome::Waiting:
        break;
    }
}

core::LinkList numberedList(std::size_t count) {
    core::LinkList links;
    for (std::size_t i = 0; i < count; ++i) {
        links.append("e" + std::to_string(i));
    }
    return links;
}

std::vector<std::string> texts(const core::LinkList& links) {
    std::vector<std::string> all;
    for (std::size_t i = 0; i < links.count(); ++i) {
        all.emplace_back(links.textAt(i));
    }
    return all;
}

struct TidyCase {
    std::int32_t tidyUp;
    Outcome entry5;
    Outcome entry7;
    std::vector<std::string> kept;
};

// Entries 2, 5 and 7 of "e0".."e7" were handed over; entry 2 was always added.
std::vector<std::string> tidy(const TidyCase& c, ScriptedPrompts& prompts) {
    core::LinkList links = numberedList(8);
    core::AddingRows rows;
    const std::pair<std::size_t, Outcome> handed[] = {
        {2, Outcome::Added}, {5, c.entry5}, {7, c.entry7}};
    for (const auto& [index, outcome] : handed) {
        rows.append("u", {}, core::RowSource{index});
        finish(rows, rows.count() - 1, outcome);
    }
    core::ListTidyUp::apply(links, rows, c.tidyUp, prompts);
    return texts(links);
}

TEST(ListTidyUpTest, RemovesByTheSettingAndKeepsWhatNeverArrived) {
    const std::vector<std::string> all{"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7"};
    const TidyCase cases[] = {
        {0, Outcome::Refused, Outcome::Added, all},
        {1, Outcome::Refused, Outcome::Added, {"e0", "e1", "e3", "e4", "e5", "e6"}},
        {2, Outcome::Refused, Outcome::Added, {"e0", "e1", "e3", "e4", "e6"}},
        {3, Outcome::Added, Outcome::Added, all},
        {-1, Outcome::Added, Outcome::Added, all},
        // A pass that stopped at a row, or never reached it, leaves those links listed.
        {2, Outcome::Stopped, Outcome::Waiting, {"e0", "e1", "e3", "e4", "e5", "e6", "e7"}},
        {1, Outcome::Added, Outcome::Waiting, {"e0", "e1", "e3", "e4", "e6", "e7"}},
        // A link its target may yet refuse goes only when refused ones go too.
        {1, Outcome::Unanswered, Outcome::Added, {"e0", "e1", "e3", "e4", "e5", "e6"}},
        {2, Outcome::Unanswered, Outcome::Added, {"e0", "e1", "e3", "e4", "e6"}},
    };
    for (const TidyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "TidyUp " << c.tidyUp);
        ScriptedPrompts prompts;
        EXPECT_EQ(tidy(c, prompts), c.kept) << "TidyUp " << c.tidyUp;
    }
}

// Past 31998 entries the column's codes name real entries too: entry 31999 added reads like
// the fatal marker, entry 32005 added like entry 5 refused. The rows' own fields decide.
TEST(ListTidyUpTest, LongListsLoseExactlyTheEntriesTheirRowsName) {
    const std::pair<std::size_t, std::int32_t> cases[] = {{40'000, 1}, {40'000, 2}, {1'000'000, 2}};
    for (const auto& [count, tidyUp] : cases) {
        SCOPED_TRACE(testing::Message() << count << " links, TidyUp " << tidyUp);
        core::LinkList links;
        core::AddingRows rows;
        std::vector<std::size_t> kept;
        // Every third entry from 0 is refused, from 1 added, from 2 never handed over.
        for (std::size_t i = 0; i < count; ++i) {
            links.append(std::to_string(i));
            const std::size_t kind = i % 3;
            if (kind != 2) {
                rows.append("u", {}, core::RowSource{i});
                finish(rows, rows.count() - 1, kind == 0 ? Outcome::Refused : Outcome::Added);
            }
            if (kind == 2 || (kind == 0 && tidyUp == 1)) {
                kept.push_back(i);
            }
        }
        ScriptedPrompts prompts;
        core::ListTidyUp::apply(links, rows, tidyUp, prompts);
        ASSERT_EQ(links.count(), kept.size()) << count << " entries, TidyUp " << tidyUp;
        for (std::size_t k = 0; k < kept.size(); ++k) {
            ASSERT_EQ(std::stoul(std::string(links.textAt(k))), kept[k]) << "TidyUp " << tidyUp;
        }
    }
}

TEST(ListTidyUpTest, AFatalMarkerStopsTheTidyUpWithOneMessage) {
    for (const std::int32_t tidyUp : {0, 1, 2}) {
        SCOPED_TRACE(tidyUp);
        ScriptedPrompts prompts;
        if (tidyUp != 0) {
            prompts.expectMessage(MessageIcon::Information, "Harvex2",
                                  "The list tidy-up was aborted because a fatal error was "
                                  "detected while adding links",
                                  {MessageButton::Ok}, MessageButton::Ok);
        }
        core::LinkList links = numberedList(2);
        core::AddingRows rows;
        rows.append("u", {}, core::RowSource{0});
        rows.append("u", {}, core::RowSource{1});
        finish(rows, 1, Outcome::Added);
        rows.setOutcome(0, RowOutcome::Fatal);
        core::ListTidyUp::apply(links, rows, tidyUp, prompts);
        EXPECT_EQ(links.count(), 2u);
    }
}

// A generated sequence's rows come from no entry; an index past the end names none either.
TEST(ListTidyUpTest, RowsNamingNoEntryRemoveNothing) {
    ScriptedPrompts prompts;
    core::LinkList links = numberedList(1);
    core::AddingRows rows;
    rows.append("u", {}, std::nullopt);
    finish(rows, 0, Outcome::Added);
    rows.append("u", {}, std::nullopt);
    finish(rows, 1, Outcome::Refused);
    rows.append("u", {}, core::RowSource{9});
    finish(rows, 2, Outcome::Added);
    core::ListTidyUp::apply(links, rows, 2, prompts);
    EXPECT_EQ(links.count(), 1u);
}

} // namespace
} // namespace harvex2::test
