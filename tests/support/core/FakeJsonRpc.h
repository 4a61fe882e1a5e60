#pragma once

#include "platform/JsonRpcClient.h"

#include <functional>
#include <string>
#include <vector>

namespace harvex2::test {

// Stands for a JSON-RPC peer: every batch sent through a client it opened is recorded and
// answered by `answer`, which by default answers each call with the GID gid(n), n counting
// calls.
class FakeJsonRpc : public platform::JsonRpcConnector {
public:
    FakeJsonRpc();
    using platform::JsonRpcConnector::open;
    std::unique_ptr<platform::JsonRpcClient> open(const platform::JsonRpcPeer& peer,
                                                  std::chrono::milliseconds timeout) override;

    std::function<platform::JsonRpcBatchResult(const std::vector<platform::JsonRpcCall>&)> answer;
    std::vector<std::vector<platform::JsonRpcCall>> batches;
    std::string url;
    std::string caFile;
    std::chrono::milliseconds timeout{0};

    // Every answer a result, numbered on from `calls`.
    static platform::JsonRpcBatchResult results(const std::vector<platform::JsonRpcCall>& batch,
                                                int& calls);
    static platform::JsonRpcAnswer error(std::string message);
    // "0000000000000012" for call 12.
    static std::string gid(int call);
};

} // namespace harvex2::test
