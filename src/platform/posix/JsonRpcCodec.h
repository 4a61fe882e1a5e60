#pragma once

#include "platform/JsonRpcClient.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::platform {

// A batch as it travels: the calls that could be written, and the answers of those that
// could not.
struct EncodedBatch {
    std::string body;
    std::vector<JsonRpcAnswer> answers;
    std::vector<bool> sent;
    std::size_t sentCount = 0;
};

// JSON-RPC 2.0 batches in and out. Each call's id is its place in the batch, so answers
// are matched whatever order the peer gives them in.
class JsonRpcCodec {
public:
    static EncodedBatch encode(const std::vector<JsonRpcCall>& calls);
    // The answers of the calls that were sent, filled into `batch.answers`. Anything that is
    // not an answer to every one of them is a bad answer.
    static JsonRpcBatchResult decode(std::string_view body, EncodedBatch batch);
};

} // namespace harvex2::platform
