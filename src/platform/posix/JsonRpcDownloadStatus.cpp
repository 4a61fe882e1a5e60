#include "platform/posix/JsonRpcDownloadStatus.h"

#include <nlohmann/json.hpp>

namespace harvex2::platform {

namespace {

using nlohmann::json;

std::string textAt(const json& object, const char* key) {
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

std::string firstPath(const json& status) {
    const auto files = status.find("files");
    if (files == status.end() || !files->is_array() || files->empty() ||
        !files->front().is_object()) {
        return {};
    }
    return textAt(files->front(), "path");
}

// A call that worked answers a list holding its result; one that failed, a fault object.
std::optional<JsonRpcDownloadStatus> statusOf(const json& answer) {
    JsonRpcDownloadStatus status;
    if (answer.is_object()) {
        const auto code = answer.find("code");
        status.isFault = true;
        status.faultCode =
            code != answer.end() && code->is_number_integer() ? code->get<std::int64_t>() : 0;
        status.faultMessage = textAt(answer, "message");
        return status;
    }
    if (!answer.is_array() || answer.size() != 1 || !answer.front().is_object()) {
        return std::nullopt;
    }
    const json& fields = answer.front();
    status.gid = textAt(fields, "gid");
    status.status = textAt(fields, "status");
    status.errorCode = textAt(fields, "errorCode");
    status.errorMessage = textAt(fields, "errorMessage");
    status.path = firstPath(fields);
    status.completedLength = textAt(fields, "completedLength");
    status.totalLength = textAt(fields, "totalLength");
    return status;
}

} // namespace

std::optional<std::vector<JsonRpcDownloadStatus>>
JsonRpcDownloadStatus::fromMulticall(std::string_view result) {
    const json answers = json::parse(result, nullptr, false);
    if (!answers.is_array()) {
        return std::nullopt;
    }
    std::vector<JsonRpcDownloadStatus> statuses;
    statuses.reserve(answers.size());
    for (const json& answer : answers) {
        auto status = statusOf(answer);
        if (!status) {
            return std::nullopt;
        }
        statuses.push_back(std::move(*status));
    }
    return statuses;
}

} // namespace harvex2::platform
