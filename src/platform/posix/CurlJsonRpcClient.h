#pragma once

#include "platform/JsonRpcClient.h"

#include <atomic>
#include <chrono>
#include <curl/curl.h>
#include <string>

namespace harvex2::platform {

// JSON-RPC over HTTP POST with libcurl: one easy handle, so that every batch after the
// first goes over the connection the peer kept open.
class CurlJsonRpcClient : public JsonRpcClient {
public:
    CurlJsonRpcClient(const JsonRpcPeer& peer, std::chrono::milliseconds timeout);
    ~CurlJsonRpcClient() override;
    CurlJsonRpcClient(const CurlJsonRpcClient&) = delete;
    CurlJsonRpcClient& operator=(const CurlJsonRpcClient&) = delete;

    JsonRpcBatchResult post(const std::vector<JsonRpcCall>& calls) override;
    void interrupt() override { interrupted_ = true; }

private:
    static std::size_t collect(char* data, std::size_t size, std::size_t count, void* self);
    static int progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    JsonRpcBatchResult transportFailure(CURLcode code) const;

    CURL* handle_;
    curl_slist* headers_ = nullptr;
    std::string answer_;
    char error_[CURL_ERROR_SIZE] = {};
    std::atomic<bool> interrupted_{false};
};

} // namespace harvex2::platform
