#include "platform/posix/JsonRpcDownloadStatus.h"

#include "platform/posix/JsonRpcCodec.h"

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using platform::JsonRpcDownloadStatus;

TEST(JsonRpcDownloadStatusTest, AMulticallTravelsAsMethodNamesWithTheirParams) {
    const platform::JsonRpcCall status{
        "aria2.tellStatus", {"token:s", "2089b05ecca3d829", std::vector<std::string>{"gid"}}};
    const auto batch = platform::JsonRpcCodec::encode(
        {{"system.multicall", {platform::JsonRpcCallList{{status}}}}});
    EXPECT_EQ(batch.body,
              R"([{"id":0,"jsonrpc":"2.0","method":"system.multicall","params":[[{"methodName":)"
              R"("aria2.tellStatus","params":["token:s","2089b05ecca3d829",["gid"]]}]]}])");
}

TEST(JsonRpcDownloadStatusTest, ReadsEachCallsStatusOrFault) {
    const auto statuses = JsonRpcDownloadStatus::fromMulticall(
        R"([{"code":1,"message":"GID 0000000000000001 is not found"},)"
        R"([{"gid":"2089b05ecca3d829","status":"error","errorCode":"3",)"
        R"("errorMessage":"Resource not found","completedLength":"0","totalLength":"0",)"
        R"("files":[{"path":"/d/missing.pdf"}]}],[{"status":"active","files":[]}]])");
    ASSERT_TRUE(statuses);
    ASSERT_EQ(statuses->size(), 3u);
    EXPECT_TRUE((*statuses)[0].isFault);
    EXPECT_EQ((*statuses)[0].faultCode, 1);
    EXPECT_EQ((*statuses)[0].faultMessage, "GID 0000000000000001 is not found");
    const JsonRpcDownloadStatus& failed = (*statuses)[1];
    EXPECT_FALSE(failed.isFault);
    EXPECT_EQ(failed.gid, "2089b05ecca3d829");
    EXPECT_EQ(failed.status, "error");
    EXPECT_EQ(failed.errorCode, "3");
    EXPECT_EQ(failed.errorMessage, "Resource not found");
    EXPECT_EQ(failed.path, "/d/missing.pdf");
    EXPECT_EQ((*statuses)[2].status, "active");
    EXPECT_EQ((*statuses)[2].path, "");
}

TEST(JsonRpcDownloadStatusTest, AResultThatIsNoListOfAnswersIsNothing) {
    for (const char* result : {R"({"gid":"1"})", "[[1]]", "[[]]", "[\"active\"]", "not json"}) {
        EXPECT_FALSE(JsonRpcDownloadStatus::fromMulticall(result)) << result;
    }
}

} // namespace
} // namespace harvex2::test
