#pragma once

#include "platform/JsonRpcClient.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// A link as aria2 is asked to take it: where to save it, when the caller says.
struct Aria2Link {
    std::string url;
    // Sent as `dir` and `out` when not empty.
    std::string folder;
    std::string fileName;
};

// What aria2 said to one link: its GID when added, its own message when refused.
struct Aria2Outcome {
    bool added = false;
    std::string text;
};

enum class Aria2Failure { None, CannotConnect, Unauthorized, ConnectionLost };

// Talks to aria2 over its JSON-RPC interface: proves the address and the secret token once,
// then adds links in batches, each link with its own outcome.
class Aria2Session {
public:
    // Large enough that the round trips cost little beside aria2's own intake, small enough
    // that the windows repaint between batches.
    static constexpr std::size_t kBatchSize = 200;
    static constexpr std::chrono::milliseconds kTimeout{10000};

    // `secret` empty: aria2 runs without a token.
    Aria2Session(platform::JsonRpcClient& client, std::string secret);

    // A first call that needs an answer from aria2 itself with the right token.
    Aria2Failure greet();
    // Any failure leaves `outcomes` empty: none of the links is known to be added.
    Aria2Failure add(const std::vector<Aria2Link>& links, std::vector<Aria2Outcome>& outcomes);

    // The link with the Target's folder part (up to its last "/") and its file part.
    // A harvested file part is untrusted: it is kept only when it is a plain file name, so
    // that no link can make a download land outside the chosen folder.
    static Aria2Link linkFor(std::string url, std::string_view target);
    static bool isPlainFileName(std::string_view name);

private:
    platform::JsonRpcCall call(std::string method) const;

    platform::JsonRpcClient& client_;
    std::string secret_;
};

} // namespace harvex2::core
