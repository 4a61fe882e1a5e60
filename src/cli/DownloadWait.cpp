#include "cli/DownloadWait.h"

#include <charconv>
#include <thread>

namespace harvex2::cli {

namespace {

// The word printed before the link of a download that did not arrive; empty for one that
// did.
std::string outcomeOf(const core::DownloadResult& result) {
    switch (result.state) {
    case core::DownloadState::Failed:
        return "failed: " + result.message;
    case core::DownloadState::Following:
        return "not finished";
    case core::DownloadState::Unknown:
        return "unknown";
    case core::DownloadState::Downloaded:
        break;
    }
    return {};
}

} // namespace

CommandOption DownloadWait::option(std::optional<std::chrono::seconds>& wait) {
    return {"--wait", [&wait] { wait = core::DownloadWatch::kTimeout; },
            [&wait](const std::string& value) {
                long long seconds = 0;
                const auto [end, problem] =
                    std::from_chars(value.data(), value.data() + value.size(), seconds);
                if (value.empty() || problem != std::errc() || end != value.data() + value.size() ||
                    seconds < 0) {
                    return "'--wait' takes a number of seconds, not '" + value + "'";
                }
                wait = std::chrono::seconds(seconds);
                return std::string();
            }};
}

bool DownloadWait::run(platform::JsonRpcClient& client, const std::string& secret,
                       std::vector<core::FollowedDownload> downloads, std::chrono::seconds wait,
                       std::function<void(const core::DownloadResult&)> downloaded, std::FILE* out,
                       std::FILE* err, char separator) {
    core::DownloadWatch watch(std::move(downloads), secret, wait);
    watch.setDownloaded(std::move(downloaded));
    watch.ask(client);
    while (!watch.over()) {
        std::this_thread::sleep_for(core::DownloadWatch::kInterval);
        watch.ask(client);
    }
    for (const core::DownloadResult& result : watch.results()) {
        if (const std::string outcome = outcomeOf(result); !outcome.empty()) {
            std::fprintf(out, "%s\t", outcome.c_str());
            std::fwrite(result.download.link.data(), 1, result.download.link.size(), out);
            std::fputc(separator, out);
        }
    }
    const bool allArrived = watch.count(core::DownloadState::Failed) == 0 &&
                            watch.count(core::DownloadState::Following) == 0;
    if (!allArrived) {
        std::fprintf(err, "harvex2-cli: %s\n", watch.summary().c_str());
    }
    return allArrived;
}

} // namespace harvex2::cli
