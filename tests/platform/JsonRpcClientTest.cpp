#include "core/handoff/Aria2Session.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "platform/posix/JsonRpcCodec.h"
#include "platform/posix/LoopbackHost.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopbackHttpServer.h"
#include "support/core/TempFolder.h"

#include <cstdlib>
#include <nlohmann/json.hpp>
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
    EXPECT_EQ(nlohmann::json::parse(body, nullptr, false),
              nlohmann::json::parse(R"([{"id":1,"jsonrpc":"2.0","method":"aria2.getVersion",)"
                                    R"("params":[{"dir":"/d"}]}])"));

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
    // A file holding a fitting answer: read, it would pass for one.
    const TempFolder folder;
    const std::string answer =
        folder.makeFile("answer", R"([{"jsonrpc":"2.0","id":0,"result":"a"},)"
                                  R"({"jsonrpc":"2.0","id":1,"result":"b"}])");
    EXPECT_EQ(postTo("file://" + answer, twoCalls()).failure, JsonRpcFailure::CannotConnect);

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

TEST(JsonRpcCodecTest, AnswersThatDoNotMatchTheCallsSentAreBad) {
    auto unsendable = twoCalls();
    unsendable[0].params[0] = std::string("token:\xff");
    const std::string both = R"([{"jsonrpc":"2.0","id":0,"result":"a"},)"
                             R"({"jsonrpc":"2.0","id":1,"result":"b"}])";
    const struct {
        std::vector<JsonRpcCall> calls;
        std::string reply;
    } cases[] = {
        {twoCalls(), R"([{"jsonrpc":"2.0","id":0,"result":"a"},)"
                     R"({"jsonrpc":"2.0","id":0,"result":"b"}])"},
        {twoCalls(),
         both.substr(0, both.size() - 1) + R"(,{"jsonrpc":"2.0","id":1,"result":"c"}])"},
        {twoCalls(), R"([{"jsonrpc":"2.0","id":0,"result":"a"},)"
                     R"({"jsonrpc":"2.0","id":2,"result":"b"}])"},
        {unsendable, both},
    };
    EXPECT_EQ(
        platform::JsonRpcCodec::decode(both, platform::JsonRpcCodec::encode(twoCalls())).failure,
        JsonRpcFailure::None);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        const auto result =
            platform::JsonRpcCodec::decode(c.reply, platform::JsonRpcCodec::encode(c.calls));
        EXPECT_EQ(result.failure, JsonRpcFailure::BadAnswer);
        EXPECT_TRUE(result.answers.empty());
    }
}

// Sets a variable for the life of the guard.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* before = std::getenv(name)) {
            before_ = before;
        }
        ::setenv(name, value, 1);
    }
    ~EnvironmentVariable() {
        if (before_) {
            ::setenv(name_, before_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> before_;
};

TEST(JsonRpcClientTest, ADeadProxyInTheEnvironmentDoesNotStopALoopbackPost) {
    const EnvironmentVariable proxy("http_proxy", "http://127.0.0.1:1");
    const EnvironmentVariable allProxy("ALL_PROXY", "http://127.0.0.1:1");
    const EnvironmentVariable noProxy("no_proxy", "");
    for (const char* host : {"127.0.0.1", "127.0.0.2", "127.200.0.9"}) {
        LoopbackHttpServer server(
            [](const HttpRequest&) {
                return HttpReply{200, R"([{"jsonrpc":"2.0","id":0,"result":"a"},)"
                                      R"({"jsonrpc":"2.0","id":1,"result":"b"}])"};
            },
            host);
        const auto result = postTo(server.address(), twoCalls());
        EXPECT_EQ(result.failure, JsonRpcFailure::None) << host << ": " << result.detail;
    }
}

TEST(LoopbackHostTest, EveryLoopbackFormIsToldFromOtherHosts) {
    const std::pair<const char*, bool> hosts[] = {
        {"localhost", true},
        {"LocalHost", true},
        {"127.0.0.1", true},
        {"127.0.0.2", true},
        {"127.255.255.254", true},
        {"127.1", true},
        {"[::1]", true},
        {"[::ffff:127.0.0.1]", true},
        {"[::ffff:7f00:2]", true},
        {"[0:0:0:0:0:0:0:1]", true},
        {"128.0.0.1", false},
        {"10.0.0.1", false},
        {"[::ffff:10.0.0.1]", false},
        {"[::2]", false},
        {"::1", false},
        {"localhost.example.com", false},
        {"127.0.0.1.example.com", false},
        {"", false},
    };
    for (const auto& [host, loopback] : hosts) {
        EXPECT_EQ(platform::LoopbackHost::isLoopback(host), loopback) << host;
    }
    EXPECT_EQ(platform::LoopbackHost::hostOf("http://[::ffff:127.0.0.1]:6800/jsonrpc").front(),
              '[');
    EXPECT_EQ(platform::LoopbackHost::hostOf("http://127.0.0.2:6800/jsonrpc"), "127.0.0.2");
}

// A certificate of its own for 127.0.0.1: trusted only where its file is named.
TEST(JsonRpcClientTest, AnHttpsPeerIsReachedOnlyWhenItsCertificateChecksOut) {
    TempFolder folder;
    const std::string certificate = folder.file("cert.pem");
    const std::string key = folder.file("key.pem");
    const std::string make =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 "
        "-nodes -days 2 -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1"
        " -keyout '" +
        key + "' -out '" + certificate + "' 2>/dev/null";
    ASSERT_EQ(std::system(make.c_str()), 0);
    Aria2Daemon aria2(folder.path(),
                      {"--rpc-certificate=" + certificate, "--rpc-private-key=" + key});
    platform::CurlJsonRpcConnector connector;
    const auto greet = [&](const std::string& caFile) {
        const auto client = connector.open({aria2.url(), caFile}, 5s);
        return core::Aria2Session(*client, Aria2Daemon::kSecret).greet();
    };
    EXPECT_EQ(greet(certificate), core::Aria2Failure::None);
    EXPECT_NE(greet({}), core::Aria2Failure::None);
}

} // namespace
} // namespace harvex2::test
