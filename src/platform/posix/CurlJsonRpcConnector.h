#pragma once

#include "platform/JsonRpcClient.h"

namespace harvex2::platform {

class CurlJsonRpcConnector : public JsonRpcConnector {
public:
    using JsonRpcConnector::open;
    std::unique_ptr<JsonRpcClient> open(const JsonRpcPeer& peer,
                                        std::chrono::milliseconds timeout) override;
};

} // namespace harvex2::platform
