#include "platform/CommandWords.h"
#include "platform/posix/FrameSocket.h"
#include "platform/posix/LocalEndpoint.h"
#include "platform/posix/SocketDdeClient.h"
#include "support/core/RecordingShell.h"
#include "support/core/TempFolder.h"
#include "support/servers/ScriptedDdeServer.h"

#include <filesystem>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace std::chrono_literals;
using platform::FrameSocket;

std::string readRaw(int fd, std::size_t size) {
    std::string bytes(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        const ssize_t done = ::recv(fd, bytes.data() + got, size - got, 0);
        if (done <= 0) {
            break;
        }
        got += static_cast<std::size_t>(done);
    }
    bytes.resize(got);
    return bytes;
}

TEST(FrameSocket, FramesAreATypeALengthMostSignificantFirstAndThePayload) {
    int ends[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0);
    FrameSocket ours(ends[0]);
    const std::string payload(258, 'x');
    ASSERT_TRUE(ours.send('R', payload, FrameSocket::Clock::now() + 1s));
    EXPECT_EQ(readRaw(ends[1], 5 + 258), std::string("R\0\0\x01\x02", 5) + payload);

    const std::string reply("D\0\0\0\x07"
                            "ab\0cdef",
                            12);
    ASSERT_EQ(::write(ends[1], reply.data(), reply.size()), 12);
    const auto frame = ours.receive(4, FrameSocket::Clock::now() + 1s);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->type, 'D');
    EXPECT_EQ(frame->payload, std::string("ab\0c", 4));
    ::close(ends[1]);
}

class DdeOverSocketsTest : public ::testing::Test {
protected:
    std::unique_ptr<platform::DdeConversation> connect(const std::string& application = {}) {
        return client.connect("VAMPIRE", "WWW_OpenURL", application);
    }

    TempFolder folder;
    RecordingShell shell;
    platform::SocketDdeClient client{shell, folder.path(), 300ms, 2s};
};

TEST_F(DdeOverSocketsTest, RequestsGetTheServersRepliesInOrder) {
    ScriptedDdeServer server(folder.path());
    server.script.add({});
    server.script.add(ServerAnswer::refuse("Local file is in use"));
    server.script.add(ServerAnswer::refuse(std::string("Busy\0tail", 9)));
    auto conversation = connect();
    ASSERT_TRUE(conversation);
    EXPECT_EQ(conversation->request("u1,t,"), "");
    EXPECT_EQ(conversation->request("u2,,"), "Local file is in use");
    EXPECT_EQ(conversation->request("u3,,"), "Busy");
    EXPECT_EQ(server.script.requests(), (std::vector<std::string>{"u1,t,", "u2,,", "u3,,"}));
    EXPECT_TRUE(shell.started.empty());
}

TEST_F(DdeOverSocketsTest, ALongReplyIsCutAtTheBufferAndTheConversationGoesOn) {
    ScriptedDdeServer server(folder.path());
    server.script.add(ServerAnswer::refuse(std::string(100000, 'r')));
    auto conversation = connect();
    ASSERT_TRUE(conversation);
    EXPECT_EQ(conversation->request("u")->size(), 65536U);
    EXPECT_EQ(conversation->request("v"), "");
}

TEST_F(DdeOverSocketsTest, ASilentOrVanishingServerIsNoReplyNotAHang) {
    for (const auto kind : {ServerAnswer::Silent, ServerAnswer::Close}) {
        ScriptedDdeServer server(folder.path());
        server.script.add({kind, {}});
        auto conversation = connect();
        ASSERT_TRUE(conversation);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(conversation->request("u"));
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
        // Once failed, the conversation stays failed.
        EXPECT_FALSE(conversation->request("v"));
    }
}

TEST_F(DdeOverSocketsTest, AServerThatAcceptsNobodyHoldsNoRequestForEver) {
    const std::string path = platform::LocalEndpoint::path(
        folder.path(), platform::LocalEndpoint::ddeName("VAMPIRE", "WWW_OpenURL"));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    const auto start = std::chrono::steady_clock::now();
    // Past its small queue the server takes no connection at all.
    for (int i = 0; i < 4; ++i) {
        if (auto conversation = connect()) {
            EXPECT_FALSE(conversation->request("u"));
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    ::close(listener);
}

TEST_F(DdeOverSocketsTest, NothingListeningStartsTheServiceApplicationAndTriesAgain) {
    std::unique_ptr<ScriptedDdeServer> started;
    shell.onStart = [&](const std::string&) {
        started = std::make_unique<ScriptedDdeServer>(folder.path());
        return true;
    };
    auto conversation = connect("/opt/Net Vampire/vampire");
    ASSERT_TRUE(conversation);
    EXPECT_EQ(shell.started, std::vector<std::string>{"'/opt/Net Vampire/vampire'"});
    EXPECT_EQ(conversation->request("u"), "");
}

TEST_F(DdeOverSocketsTest, NothingListeningAndNothingStartableIsNoConversation) {
    shell.onStart = [](const std::string&) { return false; };
    EXPECT_FALSE(connect("/missing/vampire"));
    EXPECT_EQ(shell.started.size(), 1U);
    EXPECT_FALSE(connect());
    EXPECT_EQ(shell.started.size(), 1U);
}

TEST_F(DdeOverSocketsTest, OnlyAFolderPrivateToTheUserIsUsed) {
    ScriptedDdeServer server(folder.path());
    ::chmod(folder.path().c_str(), 0750);
    EXPECT_FALSE(platform::LocalEndpoint::isPrivateFolder(folder.path()));
    EXPECT_FALSE(connect());
    ::chmod(folder.path().c_str(), 0700);
    const std::string link = folder.path() + "-link";
    std::filesystem::create_directory_symlink(folder.path(), link);
    EXPECT_FALSE(platform::LocalEndpoint::isPrivateFolder(link));
    std::filesystem::remove(link);
    EXPECT_TRUE(connect());
}

TEST(LocalEndpoint, NamesAreCaseFoldedAndNeverLeaveTheFolder) {
    EXPECT_EQ(platform::LocalEndpoint::ddeName("VAMPIRE", "WWW_OpenURL"),
              "dde.vampire.www_openurl");
    EXPECT_EQ(platform::LocalEndpoint::automationName("ReGet.UrlList.1"),
              "automation.reget.urllist.1");
    EXPECT_EQ(platform::LocalEndpoint::ddeName("a/../b", "t"), "");
    EXPECT_EQ(platform::LocalEndpoint::automationName(""), "");
    TempFolder folder;
    EXPECT_EQ(platform::LocalEndpoint::path(folder.path(), std::string(200, 'n')), "");
}

} // namespace
} // namespace harvex2::test
