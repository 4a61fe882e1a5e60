#include "core/handoff/Aria2Endpoints.h"

#include "core/handoff/TargetTable.h"
#include "platform/AsciiText.h"
#include "platform/posix/LoopbackHost.h"

#include <algorithm>

namespace harvex2::core {

namespace {

using platform::AsciiText;

bool isHttps(std::string_view url) {
    constexpr std::string_view kScheme = "https://";
    return url.size() >= kScheme.size() &&
           AsciiText::equalsIgnoringCase(url.substr(0, kScheme.size()), kScheme);
}

bool namesOtherTarget(std::string_view name) {
    return std::ranges::any_of(TargetTable::kinds(), [name](const TargetKind& kind) {
        return kind.mode != TargetProgram::Aria2 && AsciiText::equalsIgnoringCase(kind.name, name);
    });
}

} // namespace

std::vector<Aria2Endpoint> Aria2Endpoints::of(const SettingsRecord& settings) {
    if (!settings.aria2Endpoints.empty()) {
        return settings.aria2Endpoints;
    }
    return {{.name = std::string(kFirstName),
             .url = settings.aria2Url,
             .secret = settings.aria2Secret}};
}

std::optional<Aria2Endpoint> Aria2Endpoints::find(const SettingsRecord& settings,
                                                  std::string_view name) {
    for (Aria2Endpoint& endpoint : of(settings)) {
        if (AsciiText::equalsIgnoringCase(endpoint.name, name)) {
            return std::move(endpoint);
        }
    }
    return std::nullopt;
}

Aria2Endpoint Aria2Endpoints::chosen(const SettingsRecord& settings) {
    if (auto endpoint = find(settings, settings.aria2Endpoint)) {
        return std::move(*endpoint);
    }
    return of(settings).front();
}

void Aria2Endpoints::store(SettingsRecord& settings, std::vector<Aria2Endpoint> endpoints) {
    const auto first = std::ranges::find_if(endpoints, [](const Aria2Endpoint& endpoint) {
        return AsciiText::equalsIgnoringCase(endpoint.name, kFirstName);
    });
    if (first != endpoints.end()) {
        settings.aria2Url = first->url;
        settings.aria2Secret = first->secret;
    }
    settings.aria2Endpoints = std::move(endpoints);
}

std::string Aria2Endpoints::refusal(const Aria2Endpoint& endpoint) {
    if (endpoint.plainToken || isHttps(endpoint.url) ||
        platform::LoopbackHost::isLoopback(platform::LoopbackHost::hostOf(endpoint.url))) {
        return {};
    }
    return "The token for " + endpoint.url +
           " would travel unencrypted: use an https address, or tick \"send the token "
           "unencrypted\" for the endpoint " +
           endpoint.name + ".";
}

std::string Aria2Endpoints::nameProblem(const std::vector<Aria2Endpoint>& endpoints,
                                        std::size_t index, std::string_view name) {
    if (name.empty() || AsciiText::trim(name).size() != name.size()) {
        return "An endpoint needs a name that neither starts nor ends with a space.";
    }
    const auto unfit = [](char c) {
        return c == ':' || c == '\x7f' || static_cast<unsigned char>(c) < ' ';
    };
    if (std::ranges::any_of(name, unfit)) {
        return "An endpoint's name holds no colon and no control character.";
    }
    for (std::size_t other = 0; other < endpoints.size(); ++other) {
        if (other != index && AsciiText::equalsIgnoringCase(endpoints[other].name, name)) {
            return "Another endpoint is named " + std::string(name) + ".";
        }
    }
    if (namesOtherTarget(name)) {
        return std::string(name) + " names another target.";
    }
    return {};
}

std::string Aria2Endpoints::shownName(const Aria2Endpoint& endpoint) {
    if (AsciiText::equalsIgnoringCase(endpoint.name, kFirstName)) {
        return endpoint.name;
    }
    return std::string(kFirstName) + " (" + endpoint.name + ")";
}

} // namespace harvex2::core
