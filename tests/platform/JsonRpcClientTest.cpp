#include "platform/posix/CurlJsonRpcConnector.h"
#include "support/core/LoopbackHttpServer.h"

#include <optional>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace std::chrono_literals;
using platform::JsonRpcCall;
using platform::JsonRpcFailure;

std::vector<JsonRpcCall> twoCalls() {
    return {{"aria2.addUri", {"token:s", std::vector<std::string>{"http://h/a"}}},
            {"aria2.getVersion", {std::map<std::string, std::string>{{"dir", "/d"}}}}};
}

platform::JsonRpcBatchResult postTo(const std::string& url, const std::vector<JsonRpcCall>& calls,
                                    std::chrono::milliseconds timeout = 5s) {
    platform::CurlJsonRpcConnector connector;
    return connector.open(url, timeout)->post(calls);
}

TEST(JsonRpcClientTest, AnswersComeBackInCallOrderWhateverTheStatusAndOverOneConnection) {
    std::vector<std::string> bodies;
    LoopbackHttpServer server([&](const HttpRequest& request) {
        bodies.push_back(request.body);
        // Out of order, one error, one result that is not a text, and aria2's status 400.
        return HttpReply{400, R"([{"jsonrpc":"2.0","id":1,"result":{"version":"1.36.0"}},)"
                              R"({"jsonrpc":"2.0","id":0,"error":{"code":1,"message":"No URI"}}])"};
    });
    platform::CurlJsonRpcConnector connector;
    const auto client = connector.open(server.address() + "/jsonrpc", 5s);
    for (int round = 0; round < 2; ++round) {
        const auto result = client->post(twoCalls());
        ASSERT_EQ(result.failure, JsonRpcFailure::None) << result.detail;
        ASSERT_EQ(result.answers.size(), 2u);
        EXPECT_TRUE(result.answers[0].isError);
        EXPECT_EQ(result.answers[0].errorCode, 1);
        EXPECT_EQ(result.answers[0].errorMessage, "No URI");
        EXPECT_FALSE(result.answers[1].isError);
        EXPECT_EQ(result.answers[1].result, R"({"version":"1.36.0"})");
    }
    EXPECT_EQ(server.connectionsAccepted(), 1);
    EXPECT_EQ(
        bodies.at(0),
        R"([{"id":0,"jsonrpc":"2.0","method":"aria2.addUri","params":["token:s",["http://h/a"]]},)"
        R"({"id":1,"jsonrpc":"2.0","method":"aria2.getVersion","params":[{"dir":"/d"}]}])");
}

TEST(JsonRpcClientTest, ACallThatIsNotUtf8IsAnsweredWithoutBeingSent) {
    std::string body;
    LoopbackHttpServer server([&](const HttpRequest& request) {
        body = request.body;
        return HttpReply{200, R"([{"jsonrpc":"2.0","id":1,"result":"0123"}])"};
    });
    auto calls = twoCalls();
    calls[0].params[0] = std::string("token:\xff");
    const auto result = postTo(server.address(), calls);
    ASSERT_EQ(result.failure, JsonRpcFailure::None);
    EXPECT_EQ(result.answers[0].errorMessage, "The link is not valid UTF-8.");
    EXPECT_EQ(result.answers[1].result, "0123");
    EXPECT_EQ(body.find("token"), std::string::npos);

    // With nothing left to send, nothing is sent.
    calls.pop_back();
    EXPECT_TRUE(postTo("http://127.0.0.1:1/", calls).answers.at(0).isError);
}

TEST(JsonRpcClientTest, EachWayOfGoingUnansweredHasItsOwnFailure) {
    std::optional<LoopbackHttpServer> gone(std::in_place,
                                           [](const HttpRequest&) { return HttpReply{}; });
    const std::string nobody = gone->address();
    gone.reset();
    EXPECT_EQ(postTo(nobody, twoCalls()).failure, JsonRpcFailure::CannotConnect);
    EXPECT_EQ(postTo("ftp://127.0.0.1/", twoCalls()).failure, JsonRpcFailure::CannotConnect);

    const std::vector<std::pair<HttpReply, JsonRpcFailure>> cases = {
        {HttpReply{200, {}, false, true}, JsonRpcFailure::TimedOut},
        {HttpReply{200, {}, true, false}, JsonRpcFailure::ConnectionLost},
        {HttpReply{200, "<html>It works</html>"}, JsonRpcFailure::BadAnswer},
        {HttpReply{
             200,
             R"({"jsonrpc":"2.0","id":null,"error":{"code":-32700,"message":"Parse error."}})"},
         JsonRpcFailure::BadAnswer},
        {HttpReply{200, R"([{"jsonrpc":"2.0","id":1,"result":"x"}])"}, JsonRpcFailure::BadAnswer},
        {HttpReply{200, R"([{"jsonrpc":"2.0","id":7,"result":"x"}])"}, JsonRpcFailure::BadAnswer},
    };
    for (const auto& [reply, failure] : cases) {
        LoopbackHttpServer server([&reply = reply](const HttpRequest&) { return reply; });
        const auto result = postTo(server.address(), twoCalls(), 300ms);
        EXPECT_EQ(result.failure, failure) << reply.body;
        EXPECT_FALSE(result.detail.empty());
        EXPECT_TRUE(result.answers.empty());
    }
}

} // namespace
} // namespace harvex2::test
