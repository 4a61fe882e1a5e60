#include "cli/SendEndpoint.h"

#include "cli/SendCommand.h"
#include "core/handoff/Aria2Endpoints.h"
#include "core/shell/SettingsStorage.h"
#include "platform/posix/FileRegistryStore.h"

#include <cstdlib>

namespace harvex2::cli {

namespace {

// Only where the endpoint stores none: the variable may hold another aria2's token.
std::string environmentSecret() {
    const char* secret = std::getenv(SendCommand::kSecretVariable);
    return secret ? secret : "";
}

} // namespace

bool SendEndpoint::resolve(const Given& given, SendOptions& options, std::string& error) {
    if (!given.endpoint) {
        return resolve(given, core::SettingsRecord{}, options, error);
    }
    platform::FileRegistryStore store(
        platform::Hive::CurrentUser,
        platform::FileRegistryStore::defaultPath(platform::Hive::CurrentUser));
    return resolve(given, core::SettingsStorage(store).LoadSettings({}), options, error);
}

bool SendEndpoint::resolve(const Given& given, const core::SettingsRecord& settings,
                           SendOptions& options, std::string& error) {
    core::Aria2Endpoint endpoint{.url = core::SettingsRecord{}.aria2Url};
    if (given.endpoint) {
        auto found = core::Aria2Endpoints::find(settings, *given.endpoint);
        if (!found) {
            error = "no aria2 endpoint is named '" + *given.endpoint + "'";
            return false;
        }
        endpoint = std::move(*found);
    }
    if (given.rpc && *given.rpc != endpoint.url) {
        // The user's leave to send the token in clear text was for the stored address.
        endpoint.url = *given.rpc;
        endpoint.plainToken = false;
    }
    if (endpoint.secret.empty()) {
        endpoint.secret = environmentSecret();
    }
    if (given.secret) {
        endpoint.secret = *given.secret;
    }
    if (!core::Aria2Endpoints::refusal(endpoint).empty()) {
        error = given.endpoint ? core::Aria2Endpoints::refusal(endpoint)
                               : "the token for " + endpoint.url +
                                     " would travel unencrypted: use an https address, or an "
                                     "--endpoint that allows it";
        return false;
    }
    options.rpcUrl = endpoint.url;
    options.secret = endpoint.secret;
    options.caFile = endpoint.caFile;
    if (options.dir.empty()) {
        options.dir = endpoint.folder;
    }
    return true;
}

} // namespace harvex2::cli
