#pragma once

#include "core/shell/SettingsRecord.h"

#include <optional>
#include <string>

namespace harvex2::cli {

struct SendOptions;

// Which aria2 `send` reaches: the endpoint --endpoint names in the settings the window keeps,
// or the address of --rpc (aria2's usual one without it). --rpc, --secret and --dir given
// beside --endpoint take the place of the endpoint's own.
class SendEndpoint {
public:
    struct Given {
        std::optional<std::string> endpoint = {};
        std::optional<std::string> rpc = {};
        std::optional<std::string> secret = {};
    };

    // Fills in the address, token, CA file and folder of `options`. False, with `error` set,
    // for an unknown name or an address that would carry the token in clear text.
    static bool resolve(const Given& given, SendOptions& options, std::string& error);
    // With the stored settings given, for tests.
    static bool resolve(const Given& given, const core::SettingsRecord& settings,
                        SendOptions& options, std::string& error);
};

} // namespace harvex2::cli
