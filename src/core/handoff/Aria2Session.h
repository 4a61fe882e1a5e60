#pragma once

#include "core/handoff/DownloadTarget.h"
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
    // Sent as `referer` when not empty.
    std::string referrer = {};
};

// What aria2 said to one link: its GID when added, its own message when refused. An answer
// that is no GID is a refusal: nothing says the link was taken.
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
    // Any failure leaves `outcomes` empty: none of the links is known to be added. aria2 may
    // have taken them after ConnectionLost, never after CannotConnect, when nothing was sent.
    Aria2Failure add(const std::vector<Aria2Link>& links, std::vector<Aria2Outcome>& outcomes);

    // The link with the row's folder and file name; the name came from the link and therefore
    // follows `FileNameRule`: without a usable one aria2 names the file itself.
    static Aria2Link linkFor(std::string url, const SavePlace& place);
    // The same for a row that may be named by a mask or an imported name: a non-empty
    // `givenName` is already safe and goes to aria2 as it is, beside the place's folder.
    static Aria2Link linkFor(std::string url, const SavePlace& place, std::string givenName,
                             std::string referrer);
    // That the connection was lost with the links `first` to before `end` of `count`
    // unconfirmed (none when `first` is `end`) and the rest waiting, with the links counted
    // from 1, in the words the window and the command line share.
    static std::string lostMessage(const std::string& url, std::size_t first, std::size_t end,
                                   std::size_t count);
    // aria2's download id: sixteen hexadecimal digits.
    static bool isGid(std::string_view text);

private:
    platform::JsonRpcCall call(std::string method) const;

    platform::JsonRpcClient& client_;
    std::string secret_;
};

} // namespace harvex2::core
