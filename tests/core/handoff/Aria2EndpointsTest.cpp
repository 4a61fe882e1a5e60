#include "core/handoff/Aria2Endpoints.h"

#include "core/handoff/TargetTable.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using core::Aria2Endpoint;
using core::Aria2Endpoints;
using core::TargetProgram;

TEST(Aria2EndpointsTest, OnlyLoopbackHttpsOrAnAllowedAddressMayCarryTheToken) {
    const struct {
        const char* url;
        bool plainToken;
        bool refused;
    } cases[] = {
        {"http://127.0.0.1:6800/jsonrpc", false, false},
        {"http://localhost:6800/jsonrpc", false, false},
        {"http://[::1]:6800/jsonrpc", false, false},
        {"HTTPS://nas.example:6800/jsonrpc", false, false},
        {"http://nas.example:6800/jsonrpc", false, true},
        {"nas.example:6800/jsonrpc", false, true},
        {"http://127.0.0.1.nas.example/jsonrpc", false, true},
        {"http://nas.example:6800/jsonrpc", true, false},
    };
    for (const auto& c : cases) {
        const Aria2Endpoint endpoint{.name = "nas", .url = c.url, .plainToken = c.plainToken};
        EXPECT_EQ(Aria2Endpoints::refusal(endpoint).empty(), !c.refused) << c.url;
    }
    EXPECT_EQ(Aria2Endpoints::refusal({.name = "nas", .url = "http://nas:6800/jsonrpc"}),
              "The token for http://nas:6800/jsonrpc would travel unencrypted: use an https "
              "address, or tick \"send the token unencrypted\" for the endpoint nas.");
}

TEST(Aria2EndpointsTest, ANameIsUniqueHoldsNoColonAndNamesNoOtherTarget) {
    const std::vector<Aria2Endpoint> endpoints = {{.name = "aria2"}, {.name = "nas"}};
    const struct {
        const char* name;
        bool fits;
    } cases[] = {{"desk top", true}, {"aria2", false}, {"NAS", false},     {"nas:video", false},
                 {"", false},        {" nas2", false}, {"command", false}, {"tab\tname", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(Aria2Endpoints::nameProblem(endpoints, 2, c.name).empty(), c.fits) << c.name;
    }
    // Its own name stays fit.
    EXPECT_EQ(Aria2Endpoints::nameProblem(endpoints, 0, "Aria2"), "");
}

TEST(Aria2EndpointsTest, TargetsAreFoundByNameWithAria2sEndpoints) {
    core::SettingsRecord settings;
    Aria2Endpoints::store(settings, {{.name = "desk"}, {.name = "nas"}});
    settings.aria2Endpoint = "nas";
    const struct {
        const char* name;
        std::optional<TargetProgram> mode;
        const char* endpoint;
    } cases[] = {{"DESK", TargetProgram::Aria2, "desk"},
                 // No endpoint has that name: the chosen one.
                 {"aria2", TargetProgram::Aria2, "nas"},
                 {"command", TargetProgram::Command, ""},
                 {"nowhere", std::nullopt, ""}};
    for (const auto& c : cases) {
        const auto found = core::TargetTable::findByName(c.name, settings);
        ASSERT_EQ(found.has_value(), c.mode.has_value()) << c.name;
        if (found) {
            EXPECT_EQ(found->kind->mode, *c.mode) << c.name;
            EXPECT_EQ(found->endpoint, c.endpoint) << c.name;
        }
    }
    const core::SettingsRecord toDesk =
        core::TargetTable::findByName("desk", settings)->chosenIn(settings);
    EXPECT_EQ(toDesk.mode, TargetProgram::Aria2);
    EXPECT_EQ(Aria2Endpoints::chosen(toDesk).name, "desk");
}

} // namespace
} // namespace harvex2::test
