#include "platform/posix/FrameSocket.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <sys/socket.h>
#include <thread>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

using namespace std::chrono_literals;
using Clock = FrameSocket::Clock;

// Two connected ends; `cap` bounds each poll of the first.
std::pair<FrameSocket, FrameSocket> connectedPair(std::chrono::milliseconds cap) {
    int fds[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) {
        ADD_FAILURE() << "socketpair";
    }
    return {FrameSocket(fds[0], cap), FrameSocket(fds[1])};
}

TEST(FrameSocketTest, AWaitLastsUntilItsDeadlineHoweverShortEachPoll) {
    auto [waiting, peer] = connectedPair(5ms);
    std::thread late([&peer = peer] {
        std::this_thread::sleep_for(100ms);
        peer.send('D', "late", Clock::now() + 5s);
    });
    const auto frame = waiting.receive(16, Clock::now() + 10s);
    late.join();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->payload, "late");

    const auto start = Clock::now();
    EXPECT_FALSE(waiting.receive(16, start + 50ms));
    EXPECT_GE(Clock::now() - start, 50ms);
}

TEST(FrameSocketTest, AMegabyteFrameThroughASmallSendBufferArrivesByteForByte) {
    auto [receiving, sending] = connectedPair(FrameSocket::kPollCap);
    const int small = 4096;
    ASSERT_EQ(::setsockopt(sending.fd(), SOL_SOCKET, SO_SNDBUF, &small, sizeof small), 0);
    std::string payload(std::size_t{1} << 20, '\0');
    std::uint32_t state = 1;
    for (char& byte : payload) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    bool sent = false;
    std::thread sender(
        [&, &sending = sending] { sent = sending.send('D', payload, Clock::now() + 10s); });
    const auto frame = receiving.receive(payload.size(), Clock::now() + 10s);
    sender.join();
    EXPECT_TRUE(sent);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->type, 'D');
    EXPECT_TRUE(frame->payload == payload)
        << "differs from byte "
        << std::mismatch(payload.begin(), payload.end(), frame->payload.begin(),
                         frame->payload.end())
                   .first -
               payload.begin();
}

} // namespace
} // namespace harvex2::platform
