#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace harvex2::platform {

struct JsonRpcCall;

// The calls of one `system.multicall`: they travel as a list of {methodName, params}.
struct JsonRpcCallList {
    std::vector<JsonRpcCall> calls;
    bool operator==(const JsonRpcCallList& other) const;
};

// A call's parameter: a text, a list of texts, an object of texts or the calls of a
// multicall. That is all a download manager needs, and it keeps the callers free of any
// JSON library.
using JsonRpcParam = std::variant<std::string, std::vector<std::string>,
                                  std::map<std::string, std::string>, JsonRpcCallList>;

struct JsonRpcCall {
    std::string method;
    std::vector<JsonRpcParam> params;
    bool operator==(const JsonRpcCall&) const = default;
};

inline bool JsonRpcCallList::operator==(const JsonRpcCallList& other) const {
    return calls == other.calls;
}

// One call's answer. A text result comes as the text itself, any other result as its JSON.
struct JsonRpcAnswer {
    bool isError = false;
    std::string result;
    std::int64_t errorCode = 0;
    std::string errorMessage;
    // Whether the result was a JSON text, not JSON that happens to read like one.
    bool resultIsText = false;
};

// Why a whole batch went unanswered.
enum class JsonRpcFailure {
    None,
    // Nothing listens at the address, or it cannot be resolved.
    CannotConnect,
    // No complete answer within the time-out.
    TimedOut,
    // The connection broke while the batch was on its way or being answered.
    ConnectionLost,
    // Something answered, but not with JSON-RPC answers to these calls.
    BadAnswer,
};

struct JsonRpcBatchResult {
    JsonRpcFailure failure = JsonRpcFailure::None;
    // The transport's own words on a failure.
    std::string detail;
    // One per call, in the order of the calls, when the batch was answered.
    std::vector<JsonRpcAnswer> answers;
};

// A JSON-RPC 2.0 peer reached over HTTP at one address. Successive batches reuse one
// connection while the peer keeps it open.
class JsonRpcClient {
public:
    virtual ~JsonRpcClient() = default;
    // Sends the calls as one batch. A call whose texts cannot travel as JSON (they are not
    // UTF-8) is not sent and gets an error answer of its own.
    virtual JsonRpcBatchResult post(const std::vector<JsonRpcCall>& calls) = 0;
    // Fails the batch in flight and every later one soon (ConnectionLost for one on its
    // way). Safe from any thread.
    virtual void interrupt() = 0;
};

// Where a peer listens. An https peer's certificate is always checked: against the
// certificates in `caFile` when one is named, else against the system's.
struct JsonRpcPeer {
    std::string url;
    std::string caFile = {};
};

// Makes clients; the address is known only when a hand-off starts.
class JsonRpcConnector {
public:
    virtual ~JsonRpcConnector() = default;
    // `timeout` bounds connecting and each batch's answer.
    virtual std::unique_ptr<JsonRpcClient> open(const JsonRpcPeer& peer,
                                                std::chrono::milliseconds timeout) = 0;
    std::unique_ptr<JsonRpcClient> open(const std::string& url, std::chrono::milliseconds timeout) {
        return open(JsonRpcPeer{url}, timeout);
    }
};

} // namespace harvex2::platform
