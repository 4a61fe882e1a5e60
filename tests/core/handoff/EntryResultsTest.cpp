#include "core/handoff/EntryResults.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::DownloadState;

TEST(EntryResultsTest, EachEntryTellsItsLatestResultAndOnlyFollowedEntriesTellOne) {
    core::EntryResults results;
    const auto result = [](core::EntryId entry, DownloadState state, std::string path,
                           std::string message) {
        return core::DownloadResult{
            {entry, "http://h/f", "2089b05ecca3d829"}, state, std::move(path), std::move(message)};
    };
    results.take({result(1, DownloadState::Following, {}, {}),
                  result(2, DownloadState::Downloaded, "/down/f", {}),
                  result(3, DownloadState::Failed, "/down/g", "Resource not found"),
                  result(4, DownloadState::Unknown, {}, {}),
                  result(0, DownloadState::Failed, {}, "not from an entry")});
    results.set(5, DownloadState::Downloaded, {});
    results.set(6, DownloadState::Downloaded, {});
    results.set(6, DownloadState::Failed, "exit status 8");

    const std::pair<core::EntryId, std::optional<std::string>> expected[] = {
        {0, std::nullopt},
        {1, "Downloading..."},
        {2, "Downloaded to /down/f"},
        {3, "Failed: Resource not found"},
        {4, "Unknown to aria2: it may have been restarted"},
        {5, "Downloaded"},
        {6, "Failed: exit status 8"},
        {7, std::nullopt},
    };
    for (const auto& [entry, text] : expected) {
        EXPECT_EQ(results.describe(entry), text) << entry;
    }
}

} // namespace
} // namespace harvex2::test
