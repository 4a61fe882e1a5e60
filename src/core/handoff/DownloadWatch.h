#pragma once

#include "core/shell/SideTable.h"
#include "platform/JsonRpcClient.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace harvex2::core {

// A link aria2 took, by the entry it came from (0 for none) and the GID aria2 gave it.
struct FollowedDownload {
    EntryId entry = 0;
    std::string link;
    std::string gid;
};

enum class DownloadState {
    // Waiting, active or paused in aria2, or not asked about yet.
    Following,
    Downloaded,
    Failed,
    // aria2 no longer knows the GID: it was restarted, or has forgotten the result.
    Unknown,
};

struct DownloadResult {
    FollowedDownload download;
    DownloadState state = DownloadState::Following;
    // Where aria2 saves the file, once it says.
    std::string path;
    // aria2's own words on a failure.
    std::string message;

    // The file's path when aria2 named one, else the link.
    const std::string& name() const { return path.empty() ? download.link : path; }
};

// What became of the downloads of a hand-off to aria2, learnt by asking about all of them at
// once: one `system.multicall` of `aria2.tellStatus`, however many there are. Blocking
// transport stays with the caller, so that the window can ask from another thread.
class DownloadWatch {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr std::chrono::seconds kInterval{2};
    static constexpr std::chrono::seconds kTimeout{24 * 60 * 60};

    // `secret` empty: aria2 runs without a token. The time-out counts from now.
    DownloadWatch(std::vector<FollowedDownload> downloads, std::string secret,
                  std::chrono::seconds timeout = kTimeout,
                  Clock clock = std::chrono::steady_clock::now);

    // Hears of each download as aria2 completes it (to record it in the ledger).
    void setDownloaded(std::function<void(const DownloadResult&)> downloaded) {
        downloaded_ = std::move(downloaded);
    }

    // The one request about every download still followed; none when nothing is.
    std::vector<platform::JsonRpcCall> request() const;
    // aria2's answer to the latest request. An unanswered request changes nothing: the
    // downloads are asked about again next time.
    void take(const platform::JsonRpcBatchResult& answer);
    // Sends the request and takes its answer.
    void ask(platform::JsonRpcClient& client);

    bool allDone() const { return count(DownloadState::Following) == 0; }
    bool timedOut() const;
    bool over() const { return allDone() || timedOut(); }

    const std::vector<DownloadResult>& results() const { return results_; }
    // The result of the download from `entry`; nothing for an entry not followed.
    const DownloadResult* resultFor(EntryId entry) const;
    std::size_t count(DownloadState state) const;
    // "19 of 20 downloaded; 1 failed: docs/missing.pdf (Resource not found)".
    std::string summary() const;

private:
    void takeStatuses(const std::string& multicallResult);

    std::vector<DownloadResult> results_;
    std::unordered_map<EntryId, std::size_t> byEntry_;
    std::string token_;
    std::chrono::steady_clock::time_point deadline_;
    Clock clock_;
    std::function<void(const DownloadResult&)> downloaded_;
    // The results the latest request asked about, in its order.
    mutable std::vector<std::size_t> asked_;
};

} // namespace harvex2::core
