#include "core/handoff/DownloadWatch.h"

#include "support/core/FakeJsonRpc.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace std::chrono_literals;
using core::DownloadState;
using core::DownloadWatch;

// Stands for aria2 answering each tellStatus of a multicall with the JSON `statusOf` gives
// for its GID, which comes before the keys.
class FakeAria2 {
public:
    explicit FakeAria2(std::function<std::string(const std::string& gid)> statusOf) {
        peer.answer = [statusOf](const std::vector<platform::JsonRpcCall>& batch) {
            const auto& calls = std::get<platform::JsonRpcCallList>(batch.at(0).params.at(0)).calls;
            std::string result = "[";
            for (const platform::JsonRpcCall& call : calls) {
                result += (result.size() > 1 ? "," : "") +
                          statusOf(std::get<std::string>(call.params.at(call.params.size() - 2)));
            }
            return platform::JsonRpcBatchResult{{}, {}, {{false, result + "]", 0, {}, false}}};
        };
    }
    FakeJsonRpc peer;
    std::unique_ptr<platform::JsonRpcClient> client = peer.open("http://x/jsonrpc", 1s);
};

std::string status(const std::string& state) {
    return R"([{"status":")" + state + R"(","files":[]}])";
}

std::vector<core::FollowedDownload> downloads(int count) {
    std::vector<core::FollowedDownload> made;
    for (int i = 1; i <= count; ++i) {
        made.push_back(
            {static_cast<core::EntryId>(i), "http://h/" + std::to_string(i), FakeJsonRpc::gid(i)});
    }
    return made;
}

TEST(DownloadWatchTest, AGidAriaNoLongerKnowsIsUnknownNotFailed) {
    FakeAria2 aria2([](const std::string& gid) {
        return gid == FakeJsonRpc::gid(1)
                   ? R"({"code":1,"message":"GID )" + gid + R"( is not found"})"
                   : status("complete");
    });
    DownloadWatch watch(downloads(2), "s");
    watch.ask(*aria2.client);
    EXPECT_TRUE(watch.over());
    EXPECT_EQ(watch.resultFor(1)->state, DownloadState::Unknown);
    EXPECT_EQ(watch.summary(), "1 of 2 downloaded; 1 unknown to aria2");
    const auto& asked = std::get<platform::JsonRpcCallList>(aria2.peer.batches[0][0].params[0]);
    EXPECT_EQ(asked.calls.at(0).params.at(0), platform::JsonRpcParam("token:s"));
}

TEST(DownloadWatchTest, AsksOnlyAboutUnfinishedDownloadsUntilTheTimeOut) {
    auto now = std::chrono::steady_clock::time_point{};
    FakeAria2 aria2([](const std::string& gid) {
        return gid == FakeJsonRpc::gid(1) ? status("paused") : status("complete");
    });
    DownloadWatch watch(downloads(3), {}, 60s, [&now] { return now; });
    watch.ask(*aria2.client);
    watch.ask(*aria2.client);
    EXPECT_FALSE(watch.over());
    ASSERT_EQ(aria2.peer.batches.size(), 2u);
    EXPECT_EQ(std::get<platform::JsonRpcCallList>(aria2.peer.batches[1][0].params[0]).calls.size(),
              1u);
    now += 60s;
    EXPECT_TRUE(watch.timedOut());
    EXPECT_EQ(watch.summary(), "2 of 3 downloaded; 1 not finished");
}

TEST(DownloadWatchTest, FailuresCarryAriasMessageAndAnUnansweredRequestChangesNothing) {
    FakeAria2 aria2([](const std::string& gid) {
        return gid == FakeJsonRpc::gid(2)
                   ? R"([{"status":"error","errorCode":"3","errorMessage":"Resource not found",)"
                     R"("files":[{"path":"docs/missing.pdf"}]}])"
                   : status(gid == FakeJsonRpc::gid(3) ? "removed" : "complete");
    });
    DownloadWatch watch(downloads(3), {});
    const auto answer = aria2.peer.answer;
    aria2.peer.answer = [](const auto&) {
        return platform::JsonRpcBatchResult{platform::JsonRpcFailure::CannotConnect, {}, {}};
    };
    watch.ask(*aria2.client);
    EXPECT_EQ(watch.count(DownloadState::Following), 3u);
    aria2.peer.answer = answer;
    watch.ask(*aria2.client);
    EXPECT_EQ(watch.summary(), "1 of 3 downloaded; 2 failed: docs/missing.pdf (Resource not "
                               "found), http://h/3 (removed in aria2)");
    EXPECT_EQ(watch.resultFor(7), nullptr);
}

} // namespace
} // namespace harvex2::test
