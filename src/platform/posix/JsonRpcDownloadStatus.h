#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::platform {

// One download as aria2's `aria2.tellStatus` tells it, each value the text aria2 gave (empty
// when it gave none), or the fault of that call.
struct JsonRpcDownloadStatus {
    bool isFault = false;
    // aria2 answers 1 for a GID it does not know.
    std::int64_t faultCode = 0;
    std::string faultMessage;

    std::string gid;
    std::string status;
    std::string errorCode;
    std::string errorMessage;
    // The first file's path.
    std::string path;
    std::string completedLength;
    std::string totalLength;

    // The answers, in call order, of a `system.multicall` of `aria2.tellStatus`, read from the
    // call's JSON result; nothing when the result is not such a list.
    static std::optional<std::vector<JsonRpcDownloadStatus>> fromMulticall(std::string_view result);
};

} // namespace harvex2::platform
