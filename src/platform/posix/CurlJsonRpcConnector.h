#pragma once

#include "platform/JsonRpcClient.h"

namespace harvex2::platform {

class CurlJsonRpcConnector : public JsonRpcConnector {
public:
    std::unique_ptr<JsonRpcClient> open(const std::string& url,
                                        std::chrono::milliseconds timeout) override;
};

} // namespace harvex2::platform
