#pragma once

#include "core/handoff/DownloadWatch.h"
#include "core/shell/SideTable.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace harvex2::core {

// What became of each entry's download, by entry id: kept after the tidy-up has removed the
// entry, since the download ends long after.
class EntryResults {
public:
    // The latest word from aria2 on each download that came from an entry.
    void take(const std::vector<DownloadResult>& results);
    // `detail`: where the file went, or why it failed.
    void set(EntryId entry, DownloadState state, std::string detail);
    // One line for the entry's tooltip; nothing for an entry never followed.
    std::optional<std::string> describe(EntryId entry) const;

private:
    struct Result {
        DownloadState state;
        std::string detail;
    };
    std::unordered_map<EntryId, Result> results_;
};

} // namespace harvex2::core
