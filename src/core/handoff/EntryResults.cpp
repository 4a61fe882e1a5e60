#include "core/handoff/EntryResults.h"

namespace harvex2::core {

void EntryResults::take(const std::vector<DownloadResult>& results) {
    for (const DownloadResult& result : results) {
        if (result.download.entry != 0) {
            set(result.download.entry, result.state,
                result.state == DownloadState::Failed ? result.message : result.path);
        }
    }
}

void EntryResults::set(EntryId entry, DownloadState state, std::string detail) {
    results_.insert_or_assign(entry, Result{state, std::move(detail)});
}

std::optional<std::string> EntryResults::describe(EntryId entry) const {
    const auto found = results_.find(entry);
    if (found == results_.end()) {
        return std::nullopt;
    }
    const Result& result = found->second;
    switch (result.state) {
    case DownloadState::Following:
        return "Downloading...";
    case DownloadState::Downloaded:
        return result.detail.empty() ? "Downloaded" : "Downloaded to " + result.detail;
    case DownloadState::Failed:
        return "Failed: " + result.detail;
    case DownloadState::Unknown:
        return "Unknown to aria2: it may have been restarted";
    }
    return std::nullopt;
}

} // namespace harvex2::core
