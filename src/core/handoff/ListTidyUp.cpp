#include "core/handoff/ListTidyUp.h"

#include <charconv>
#include <optional>

namespace harvex2::core {

namespace {

constexpr std::int32_t kRemoveAdded = 1;
constexpr std::int32_t kRemoveAddedAndRefused = 2;

std::optional<int> outcomeOf(const AddingRow& row) {
    int value = 0;
    const std::string& text = row.indexFromMain;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool anyFatal(const AddingRows& rows) {
    for (std::size_t r = 0; r < rows.count(); ++r) {
        if (outcomeOf(rows.at(r)) == kFatalMarker) {
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

std::optional<int> entryToRemove(const AddingRow& row, std::int32_t tidyUp) {
    const auto value = outcomeOf(row);
    if (!value || *value < 0 || !finished(row)) {
        return std::nullopt;
    }
    if (*value < kFatalMarker) {
        return value;
    }
    if (*value >= kRefusedOffset && tidyUp == kRemoveAddedAndRefused) {
        return *value - kRefusedOffset;
    }
    return std::nullopt;
}

} // namespace

void ListTidyUp::apply(LinkList& links, const AddingRows& rows, std::int32_t tidyUp,
                       platform::Prompts& prompts) {
    if (tidyUp != kRemoveAdded && tidyUp != kRemoveAddedAndRefused) {
        return;
    }
    if (anyFatal(rows)) {
        prompts.message({platform::MessageIcon::Information,
                         "Harvex2",
                         "The list tidy-up was aborted because a fatal error was detected while "
                         "adding links",
                         {platform::MessageButton::Ok}});
        return;
    }
    // Rows follow the list upwards, so removing from the last row keeps the others' indexes.
    for (std::size_t r = rows.count(); r-- > 0;) {
        const auto entry = entryToRemove(rows.at(r), tidyUp);
        if (entry && static_cast<std::size_t>(*entry) < links.count()) {
            links.removeAt(static_cast<std::size_t>(*entry));
        }
    }
}

} // namespace harvex2::core
