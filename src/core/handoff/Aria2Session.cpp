#include "core/handoff/Aria2Session.h"

#include "core/handoff/DownloadTarget.h"
#include "core/handoff/FileNameRule.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace harvex2::core {

using platform::JsonRpcFailure;

namespace {

constexpr std::size_t kGidDigits = 16;

std::string linkNumbers(std::size_t first, std::size_t end) {
    return end - first == 1 ? "link " + std::to_string(first + 1)
                            : "links " + std::to_string(first + 1) + " to " + std::to_string(end);
}

Aria2Outcome outcomeOf(const platform::JsonRpcAnswer& answer) {
    if (answer.isError) {
        return {false, answer.errorMessage};
    }
    if (!answer.resultIsText || !Aria2Session::isGid(answer.result)) {
        return {false, "aria2 gave no download GID."};
    }
    return {true, answer.result};
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
        if (!link.referrer.empty()) {
            options.emplace("referer", link.referrer);
        }
        if (!options.empty()) {
            addUri.params.emplace_back(std::move(options));
        }
        calls.push_back(std::move(addUri));
    }
    outcomes.clear();
    const auto result = client_.post(calls);
    if (result.failure == JsonRpcFailure::CannotConnect) {
        return Aria2Failure::CannotConnect;
    }
    if (result.failure != JsonRpcFailure::None) {
        return Aria2Failure::ConnectionLost;
    }
    for (const platform::JsonRpcAnswer& answer : result.answers) {
        outcomes.push_back(outcomeOf(answer));
    }
    return Aria2Failure::None;
}

Aria2Link Aria2Session::linkFor(std::string url, const SavePlace& place) {
    if (place.folder.empty()) {
        return {std::move(url), {}, {}};
    }
    return {std::move(url), place.folder,
            FileNameRule::fromLinkSegment(place.fileName).value_or(std::string())};
}

Aria2Link Aria2Session::linkFor(std::string url, const SavePlace& place, std::string givenName,
                                std::string referrer) {
    if (givenName.empty()) {
        Aria2Link link = linkFor(std::move(url), place);
        link.referrer = std::move(referrer);
        return link;
    }
    return {std::move(url), place.folder, std::move(givenName), std::move(referrer)};
}

std::string Aria2Session::lostMessage(const std::string& url, std::size_t first, std::size_t end,
                                      std::size_t count) {
    std::string message = "The connection to aria2 at " + url + " was lost. ";
    std::string waiting =
        end == count
            ? "no link is still waiting."
            : linkNumbers(end, count) + (count - end == 1 ? " is" : " are") + " still waiting.";
    if (first < end) {
        return message + "aria2 may have taken " + linkNumbers(first, end) +
               ", the last batch sent; " + waiting;
    }
    waiting.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(waiting.front())));
    return message + waiting;
}

bool Aria2Session::isGid(std::string_view text) {
    return text.size() == kGidDigits && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
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
