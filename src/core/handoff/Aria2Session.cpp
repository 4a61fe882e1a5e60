#include "core/handoff/Aria2Session.h"

#include "core/handoff/DownloadTarget.h"

#include <algorithm>
#include <map>

namespace harvex2::core {

using platform::JsonRpcFailure;

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

Aria2Session::Aria2Session(platform::JsonRpcClient& client, std::string secret)
    : client_(client), secret_(std::move(secret)) {}

Aria2Failure Aria2Session::greet() {
    const auto result = client_.post({call("aria2.getVersion")});
    if (result.failure != JsonRpcFailure::None) {
        return Aria2Failure::CannotConnect;
    }
    const platform::JsonRpcAnswer& answer = result.answers.at(0);
    if (answer.isError) {
        // Anything but aria2's own refusal means something else answers at the address.
        return answer.errorMessage == "Unauthorized" ? Aria2Failure::Unauthorized
                                                     : Aria2Failure::CannotConnect;
    }
    return Aria2Failure::None;
}

Aria2Failure Aria2Session::add(const std::vector<Aria2Link>& links,
                               std::vector<Aria2Outcome>& outcomes) {
    std::vector<platform::JsonRpcCall> calls;
    calls.reserve(links.size());
    for (const Aria2Link& link : links) {
        platform::JsonRpcCall addUri = call("aria2.addUri");
        addUri.params.emplace_back(std::vector<std::string>{link.url});
        std::map<std::string, std::string> options;
        if (!link.folder.empty()) {
            options.emplace("dir", link.folder);
        }
        if (!link.fileName.empty()) {
            options.emplace("out", link.fileName);
        }
        if (!options.empty()) {
            addUri.params.emplace_back(std::move(options));
        }
        calls.push_back(std::move(addUri));
    }
    outcomes.clear();
    const auto result = client_.post(calls);
    if (result.failure != JsonRpcFailure::None) {
        return Aria2Failure::ConnectionLost;
    }
    for (const platform::JsonRpcAnswer& answer : result.answers) {
        outcomes.push_back(answer.isError ? Aria2Outcome{false, answer.errorMessage}
                                          : Aria2Outcome{true, answer.result});
    }
    return Aria2Failure::None;
}

Aria2Link Aria2Session::linkFor(std::string url, std::string_view target) {
    if (isBlank(target)) {
        // The sequence generator writes one blank for "no download directory".
        return {std::move(url), {}, {}};
    }
    // The Target was made with the platform's separator; any other in the file part makes it
    // no plain name.
    const auto folderLength = target.rfind(DownloadTarget::kSeparator) + 1;
    const std::string_view fileName = target.substr(folderLength);
    return {std::move(url), std::string(target.substr(0, folderLength)),
            isPlainFileName(fileName) ? std::string(fileName) : std::string()};
}

bool Aria2Session::isPlainFileName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || isBlank(name)) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        return isSeparator(c) || static_cast<unsigned char>(c) < 0x20 || c == '\x7f';
    });
}

platform::JsonRpcCall Aria2Session::call(std::string method) const {
    platform::JsonRpcCall made{std::move(method), {}};
    if (!secret_.empty()) {
        made.params.emplace_back("token:" + secret_);
    }
    return made;
}

} // namespace harvex2::core
