#pragma once

#include "cli/CommandOption.h"
#include "core/handoff/DownloadWatch.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace harvex2::cli {

// `send --wait[=SECONDS]`: after the hand-off, follows what aria2 made of the links it took.
class DownloadWait {
public:
    // The option's line of a command's table: alone it waits up to the default time-out.
    static CommandOption option(std::optional<std::chrono::seconds>& wait);

    // Asks aria2 every DownloadWatch::kInterval until every download is done or `wait` ran
    // out, then prints each download that failed, was not finished or is unknown to aria2.
    // False when any failed or was not finished. `downloaded` hears of each completed one.
    static bool run(platform::JsonRpcClient& client, const std::string& secret,
                    std::vector<core::FollowedDownload> downloads, std::chrono::seconds wait,
                    std::function<void(const core::DownloadResult&)> downloaded, std::FILE* out,
                    std::FILE* err, char separator);
};

} // namespace harvex2::cli
