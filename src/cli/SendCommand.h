#pragma once

#include "cli/RuleOptions.h"
#include "core/handoff/LinkNaming.h"
#include "platform/JsonRpcClient.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace harvex2::cli {

struct SendOptions {
    std::string rpcUrl;
    std::string secret;
    // For an https address: the certificates to check aria2's against.
    std::string caFile;
    std::string dir;
    // A command template runs a program per link instead of reaching aria2.
    std::optional<std::string> command;
    std::size_t jobs = 4;
    // "-" is standard input.
    std::string file = "-";
    char separator = '\n';
    // Links aria2 confirmed before are not sent again.
    bool skipSent = false;
    // How long to follow the downloads aria2 took; none: not at all.
    std::optional<std::chrono::seconds> wait;
    std::string mask;
    std::string referrer = "none";
    // FILE holds "link<TAB>name" lines.
    bool names = false;
    bool help = false;
    RuleOptions rules;
};

// A link to send with the name and referrer that the mask, an imported name and --referer
// gave it.
struct SendLink {
    std::string url;
    core::LinkNaming::Named named;
};

// `harvex2-cli send --aria2`: hands the links read one per line to aria2 the way the Adding
// window's aria2 pass does, prints one outcome line per link, and records each link aria2
// took in the ledger. With --command, runs a program per link instead (CommandSend).
class SendCommand {
public:
    // The environment variable that may hold the secret token, so that it need not stand on
    // the command line where every user of the machine can read it.
    static constexpr const char* kSecretVariable = "HARVEX2_ARIA2_SECRET";

    static std::optional<SendOptions> parse(const std::vector<std::string>& args,
                                            std::string& error);
    static int run(const SendOptions& options, std::FILE* out, std::FILE* err);
    // With the JSON-RPC transport given, for tests and benchmarks.
    static int run(const SendOptions& options, platform::JsonRpcConnector& connector,
                   std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
