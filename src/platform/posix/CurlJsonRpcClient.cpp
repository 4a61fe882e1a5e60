#include "platform/posix/CurlJsonRpcClient.h"

#include "platform/posix/JsonRpcCodec.h"
#include "platform/posix/LoopbackHost.h"

#include <mutex>
#include <stdexcept>

namespace harvex2::platform {

namespace {

// More than any download manager's answer to a batch; a peer that sends more is not one.
constexpr std::size_t kMaxAnswer = std::size_t{64} * 1024 * 1024;

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

JsonRpcFailure failureOf(CURLcode code) {
    switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return JsonRpcFailure::CannotConnect;
    case CURLE_OPERATION_TIMEDOUT:
        return JsonRpcFailure::TimedOut;
    case CURLE_WRITE_ERROR:
        return JsonRpcFailure::BadAnswer;
    default:
        return JsonRpcFailure::ConnectionLost;
    }
}

} // namespace

CurlJsonRpcClient::CurlJsonRpcClient(const JsonRpcPeer& peer, std::chrono::milliseconds timeout) {
    const std::string& url = peer.url;
    initialiseCurlOnce();
    handle_ = curl_easy_init();
    if (handle_ == nullptr) {
        throw std::runtime_error("Cannot start an HTTP session.");
    }
    headers_ = curl_slist_append(headers_, "Content-Type: application/json");
    curl_easy_setopt(handle_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle_, CURLOPT_HTTPHEADER, headers_);
    // The token must reach aria2 and no one posing as it.
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!peer.caFile.empty()) {
        curl_easy_setopt(handle_, CURLOPT_CAINFO, peer.caFile.c_str());
    }
    curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeout.count()));
    curl_easy_setopt(handle_, CURLOPT_TIMEOUT_MS, static_cast<long>(timeout.count()));
    if (LoopbackHost::isLoopback(LoopbackHost::hostOf(url))) {
        // No proxy at all, whatever the environment names.
        curl_easy_setopt(handle_, CURLOPT_PROXY, "");
    }
    curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &CurlJsonRpcClient::collect);
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, error_);
    // libcurl asks between its waits, at least about once a second.
    curl_easy_setopt(handle_, CURLOPT_XFERINFOFUNCTION, &CurlJsonRpcClient::progress);
    curl_easy_setopt(handle_, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(handle_, CURLOPT_NOPROGRESS, 0L);
}

CurlJsonRpcClient::~CurlJsonRpcClient() {
    curl_easy_cleanup(handle_);
    curl_slist_free_all(headers_);
}

JsonRpcBatchResult CurlJsonRpcClient::post(const std::vector<JsonRpcCall>& calls) {
    EncodedBatch batch = JsonRpcCodec::encode(calls);
    if (batch.sentCount == 0) {
        return {JsonRpcFailure::None, {}, std::move(batch.answers)};
    }
    if (interrupted_) {
        return {JsonRpcFailure::ConnectionLost, "Interrupted.", {}};
    }
    answer_.clear();
    error_[0] = '\0';
    curl_easy_setopt(handle_, CURLOPT_POSTFIELDS, batch.body.data());
    curl_easy_setopt(handle_, CURLOPT_POSTFIELDSIZE_LARGE,
                     static_cast<curl_off_t>(batch.body.size()));
    const CURLcode code = curl_easy_perform(handle_);
    if (code != CURLE_OK) {
        return transportFailure(code);
    }
    // Error answers come with 400 or 500; the body says what happened either way.
    return JsonRpcCodec::decode(answer_, std::move(batch));
}

std::size_t CurlJsonRpcClient::collect(char* data, std::size_t size, std::size_t count,
                                       void* self) {
    std::string& answer = static_cast<CurlJsonRpcClient*>(self)->answer_;
    const std::size_t bytes = size * count;
    if (answer.size() + bytes > kMaxAnswer) {
        return 0;
    }
    answer.append(data, bytes);
    return bytes;
}

int CurlJsonRpcClient::progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<CurlJsonRpcClient*>(self)->interrupted_ ? 1 : 0;
}

JsonRpcBatchResult CurlJsonRpcClient::transportFailure(CURLcode code) const {
    std::string detail = error_[0] != '\0' ? error_ : curl_easy_strerror(code);
    return {failureOf(code), std::move(detail), {}};
}

} // namespace harvex2::platform
