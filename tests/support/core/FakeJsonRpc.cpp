#include "support/core/FakeJsonRpc.h"

namespace harvex2::test {

namespace {

class ForwardingClient : public platform::JsonRpcClient {
public:
    explicit ForwardingClient(FakeJsonRpc& peer) : peer_(peer) {}
    platform::JsonRpcBatchResult post(const std::vector<platform::JsonRpcCall>& calls) override {
        peer_.batches.push_back(calls);
        return peer_.answer(calls);
    }
    void interrupt() override {}

private:
    FakeJsonRpc& peer_;
};

} // namespace

FakeJsonRpc::FakeJsonRpc() {
    answer = [calls = 0](const std::vector<platform::JsonRpcCall>& batch) mutable {
        return results(batch, calls);
    };
}

std::unique_ptr<platform::JsonRpcClient> FakeJsonRpc::open(const platform::JsonRpcPeer& peer,
                                                           std::chrono::milliseconds limit) {
    url = peer.url;
    caFile = peer.caFile;
    timeout = limit;
    return std::make_unique<ForwardingClient>(*this);
}

platform::JsonRpcBatchResult FakeJsonRpc::results(const std::vector<platform::JsonRpcCall>& batch,
                                                  int& calls) {
    platform::JsonRpcBatchResult result;
    for (std::size_t i = 0; i < batch.size(); ++i) {
        result.answers.push_back({false, gid(calls++), 0, {}, true});
    }
    return result;
}

std::string FakeJsonRpc::gid(int call) {
    const std::string digits = std::to_string(call);
    return std::string(16 - digits.size(), '0') + digits;
}

platform::JsonRpcAnswer FakeJsonRpc::error(std::string message) {
    return {true, {}, 1, std::move(message)};
}

} // namespace harvex2::test
