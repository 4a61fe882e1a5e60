#include "core/handoff/DownloadWatch.h"

#include "platform/posix/JsonRpcDownloadStatus.h"

#include <algorithm>

namespace harvex2::core {

namespace {

constexpr std::int64_t kNotFoundCode = 1;
// The failures the summary names; the rest are counted.
constexpr std::size_t kNamedFailures = 3;

bool isForgotten(const platform::JsonRpcDownloadStatus& status) {
    return status.faultCode == kNotFoundCode && status.faultMessage.ends_with("is not found");
}

// aria2 joins its folder and the file's name with a "/" of its own, even after a folder that
// ends in one.
std::string shownPath(std::string path) {
    path.erase(
        std::unique(path.begin(), path.end(), [](char a, char b) { return a == '/' && b == '/'; }),
        path.end());
    return path;
}

void apply(DownloadResult& result, const platform::JsonRpcDownloadStatus& status) {
    if (status.isFault) {
        // Any other fault may pass: the download is asked about again.
        if (isForgotten(status)) {
            result.state = DownloadState::Unknown;
        }
        return;
    }
    result.path = shownPath(status.path);
    if (status.status == "complete") {
        result.state = DownloadState::Downloaded;
    } else if (status.status == "error") {
        result.state = DownloadState::Failed;
        result.message =
            status.errorMessage.empty() ? "error " + status.errorCode : status.errorMessage;
    } else if (status.status == "removed") {
        result.state = DownloadState::Failed;
        result.message = "removed in aria2";
    }
}

std::string failures(const std::vector<DownloadResult>& results) {
    std::string named;
    std::size_t shown = 0;
    for (const DownloadResult& result : results) {
        if (result.state != DownloadState::Failed) {
            continue;
        }
        if (shown++ == kNamedFailures) {
            return named + ", ...";
        }
        named += (shown == 1 ? "" : ", ") + result.name() + " (" + result.message + ")";
    }
    return named;
}

} // namespace

DownloadWatch::DownloadWatch(std::vector<FollowedDownload> downloads, std::string secret,
                             std::chrono::seconds timeout, Clock clock)
    : token_(secret.empty() ? std::string() : "token:" + secret), deadline_(clock() + timeout),
      clock_(std::move(clock)) {
    results_.reserve(downloads.size());
    for (FollowedDownload& download : downloads) {
        if (download.entry != 0) {
            byEntry_.emplace(download.entry, results_.size());
        }
        results_.push_back({.download = std::move(download), .path = {}, .message = {}});
    }
}

std::vector<platform::JsonRpcCall> DownloadWatch::request() const {
    static const std::vector<std::string> kKeys{
        "gid", "status", "errorCode", "errorMessage", "files", "completedLength", "totalLength"};
    asked_.clear();
    platform::JsonRpcCallList statuses;
    for (std::size_t i = 0; i < results_.size(); ++i) {
        if (results_[i].state != DownloadState::Following) {
            continue;
        }
        asked_.push_back(i);
        platform::JsonRpcCall call{"aria2.tellStatus", {}};
        if (!token_.empty()) {
            call.params.emplace_back(token_);
        }
        call.params.emplace_back(results_[i].download.gid);
        call.params.emplace_back(kKeys);
        statuses.calls.push_back(std::move(call));
    }
    if (asked_.empty()) {
        return {};
    }
    return {{"system.multicall", {std::move(statuses)}}};
}

void DownloadWatch::take(const platform::JsonRpcBatchResult& answer) {
    if (answer.failure == platform::JsonRpcFailure::None && answer.answers.size() == 1 &&
        !answer.answers.front().isError) {
        takeStatuses(answer.answers.front().result);
    }
}

void DownloadWatch::takeStatuses(const std::string& multicallResult) {
    const auto statuses = platform::JsonRpcDownloadStatus::fromMulticall(multicallResult);
    if (!statuses || statuses->size() != asked_.size()) {
        return;
    }
    for (std::size_t i = 0; i < asked_.size(); ++i) {
        DownloadResult& result = results_[asked_[i]];
        apply(result, (*statuses)[i]);
        if (result.state == DownloadState::Downloaded && downloaded_) {
            downloaded_(result);
        }
    }
}

void DownloadWatch::ask(platform::JsonRpcClient& client) {
    const auto calls = request();
    if (!calls.empty()) {
        take(client.post(calls));
    }
}

bool DownloadWatch::timedOut() const {
    return clock_() >= deadline_;
}

const DownloadResult* DownloadWatch::resultFor(EntryId entry) const {
    const auto found = std::find_if(results_.begin(), results_.end(),
                                    [entry](const auto& r) { return r.download.entry == entry; });
    return found == results_.end() ? nullptr : &*found;
}

std::size_t DownloadWatch::count(DownloadState state) const {
    return static_cast<std::size_t>(std::count_if(
        results_.begin(), results_.end(), [state](const auto& r) { return r.state == state; }));
}

std::string DownloadWatch::summary() const {
    std::string text = std::to_string(count(DownloadState::Downloaded)) + " of " +
                       std::to_string(results_.size()) + " downloaded";
    if (const std::size_t failed = count(DownloadState::Failed)) {
        text += "; " + std::to_string(failed) + " failed: " + failures(results_);
    }
    if (const std::size_t unknown = count(DownloadState::Unknown)) {
        text += "; " + std::to_string(unknown) + " unknown to aria2";
    }
    if (const std::size_t following = count(DownloadState::Following)) {
        text += "; " + std::to_string(following) + " not finished";
    }
    return text;
}

} // namespace harvex2::core
