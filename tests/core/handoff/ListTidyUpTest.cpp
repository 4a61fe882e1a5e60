#include "core/handoff/ListTidyUp.h"

#include "support/core/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::RowPicture;
using platform::MessageButton;
using platform::MessageIcon;

enum class Outcome { Added, Refused, Stopped, Waiting };

struct TidyCase {
    std::int32_t tidyUp;
    Outcome entry5;
    Outcome entry7;
    std::vector<std::string> kept;
};

// Entries 2, 5 and 7 of "e0".."e7" were handed over; entry 2 was always added.
std::vector<std::string> tidy(const TidyCase& c, ScriptedPrompts& prompts) {
    core::LinkList links;
    for (int i = 0; i < 8; ++i) {
        links.append("e" + std::to_string(i));
    }
    core::AddingRows rows;
    const std::pair<int, Outcome> handed[] = {{2, Outcome::Added}, {5, c.entry5}, {7, c.entry7}};
    for (const auto& [index, outcome] : handed) {
        const std::size_t r = rows.count();
        rows.append("u", "", std::to_string(index));
        switch (outcome) {
        case Outcome::Added:
            rows.setStatus(r, "A0000001", RowPicture::Added);
            break;
        case Outcome::Refused:
            rows.setStatus(r, "Failed - invalid URL", RowPicture::Refused);
            rows.setIndexFromMain(r, std::to_string(32000 + index));
            break;
        case Outcome::Stopped:
            rows.setStatus(r, "Adding", RowPicture::Adding);
            break;
        case Outcome::Waiting:
            break;
        }
    }
    core::ListTidyUp::apply(links, rows, c.tidyUp, prompts);
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < links.count(); ++i) {
        kept.push_back(links.textAt(i));
    }
    return kept;
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
    };
    for (const TidyCase& c : cases) {
        ScriptedPrompts prompts;
        EXPECT_EQ(tidy(c, prompts), c.kept) << "TidyUp " << c.tidyUp;
    }
}

TEST(ListTidyUpTest, AFatalMarkerStopsTheTidyUpWithOneMessage) {
    for (const std::int32_t tidyUp : {0, 1, 2}) {
        ScriptedPrompts prompts;
        if (tidyUp != 0) {
            prompts.expectMessage(MessageIcon::Information, "Harvex2",
                                  "The list tidy-up was aborted because a fatal error was "
                                  "detected while adding links",
                                  {MessageButton::Ok}, MessageButton::Ok);
        }
        core::LinkList links;
        links.append("e0");
        links.append("e1");
        core::AddingRows rows;
        rows.append("u", "", "0");
        rows.append("u", "", "1");
        rows.setStatus(1, "A0000001", RowPicture::Added);
        rows.setIndexFromMain(0, "31999");
        core::ListTidyUp::apply(links, rows, tidyUp, prompts);
        EXPECT_EQ(links.count(), 2u);
    }
}

TEST(ListTidyUpTest, OutcomesNamingNoEntryRemoveNothing) {
    ScriptedPrompts prompts;
    core::LinkList links;
    links.append("e0");
    core::AddingRows rows;
    for (const char* outcome : {"9", "32009", "x", ""}) {
        rows.append("u", "", outcome);
        rows.setStatus(rows.count() - 1, "Added", RowPicture::Added);
    }
    core::ListTidyUp::apply(links, rows, 2, prompts);
    EXPECT_EQ(links.count(), 1u);
}

} // namespace
} // namespace harvex2::test
