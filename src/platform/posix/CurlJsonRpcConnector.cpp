#include "platform/posix/CurlJsonRpcConnector.h"

#include "platform/posix/CurlJsonRpcClient.h"

namespace harvex2::platform {

std::unique_ptr<JsonRpcClient> CurlJsonRpcConnector::open(const JsonRpcPeer& peer,
                                                          std::chrono::milliseconds timeout) {
    return std::make_unique<CurlJsonRpcClient>(peer, timeout);
}

} // namespace harvex2::platform
