#include "core/handoff/ListTidyUp.h"

#include <vector>

namespace harvex2::core {

namespace {

constexpr std::int32_t kRemoveAdded = 1;
constexpr std::int32_t kRemoveAddedAndRefused = 2;

bool anyFatal(const AddingRows& rows) {
    for (std::size_t r = 0; r < rows.count(); ++r) {
        if (rows.at(r).outcome == RowOutcome::Fatal) {
            return true;
        }
    }
    return false;
}

// A link that never reached the download manager must stay in the list, whatever the
// setting says: the pass did not get to its row, or stopped on it.
bool finished(const AddingRow& row) {
    return row.picture != RowPicture::Waiting && row.picture != RowPicture::Adding;
}

bool removes(const AddingRow& row, std::int32_t tidyUp) {
    if (!row.source || !finished(row)) {
        return false;
    }
    if (tidyUp == kRemoveAddedAndRefused) {
        return row.outcome != RowOutcome::Fatal;
    }
    return row.outcome == RowOutcome::Unmarked && row.answeredPerLink;
}

} // namespace

void ListTidyUp::apply(LinkList& links, const AddingRows& rows, std::int32_t tidyUp,
                       platform::Prompts& prompts) {
    if (tidyUp != kRemoveAdded && tidyUp != kRemoveAddedAndRefused) {
        return;
    }
    if (anyFatal(rows)) {
        // Nothing waits on the box: the tidy-up is over either way.
        prompts.ask({platform::MessageIcon::Information,
                     "Harvex2",
                     "The list tidy-up was aborted because a fatal error was detected while "
                     "adding links",
                     {platform::MessageButton::Ok}},
                    {});
        return;
    }
    std::vector<std::size_t> entries;
    for (std::size_t r = 0; r < rows.count(); ++r) {
        if (removes(rows.at(r), tidyUp)) {
            entries.push_back(rows.at(r).source->index);
        }
    }
    links.removeEntries(entries);
}

} // namespace harvex2::core
