#pragma once

#include "core/shell/SettingsRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The aria2 endpoints of the settings: which ones there are, which one an Add uses, and
// whether links may go to one.
class Aria2Endpoints {
public:
    // The endpoint the single address of older versions became.
    static constexpr std::string_view kFirstName = "aria2";

    // The stored list, or while none is stored, the endpoint of the single address.
    static std::vector<Aria2Endpoint> of(const SettingsRecord& settings);
    // The endpoint named `name`, case ignored.
    static std::optional<Aria2Endpoint> find(const SettingsRecord& settings, std::string_view name);
    // The endpoint an Add uses: the chosen one, else the first.
    static Aria2Endpoint chosen(const SettingsRecord& settings);
    // Keeps `endpoints` as the list. The endpoint "aria2" also goes to the single address,
    // which older versions sharing the settings still read.
    static void store(SettingsRecord& settings, std::vector<Aria2Endpoint> endpoints);

    // Why links may not go to `endpoint`: an address off this machine that would carry the
    // token in clear text, unless the user allowed it. Empty when they may.
    static std::string refusal(const Aria2Endpoint& endpoint);
    // Why `name` cannot be the name of `endpoints[index]`; empty when it can. Routes name
    // targets as NAME:FOLDER, so a name holds no colon, and no two targets share a name.
    static std::string nameProblem(const std::vector<Aria2Endpoint>& endpoints, std::size_t index,
                                   std::string_view name);
    // As the windows name the target: "aria2", or "aria2 (nas)" for another endpoint.
    static std::string shownName(const Aria2Endpoint& endpoint);
};

} // namespace harvex2::core
