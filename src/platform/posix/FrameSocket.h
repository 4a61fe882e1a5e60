#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::platform {

class WakePipe;

// One message on a local socket: a type letter and its bytes.
struct Frame {
    char type = 0;
    std::string payload;
};

// A connected local stream socket carrying frames: the type byte, the payload's length as
// four bytes with the most significant first, then the payload. Every wait has a deadline,
// so a peer that stops answering or leaves a frame half-sent never holds the caller.
class FrameSocket {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::size_t kHeaderSize = 5;
    // The longest single poll; a wait for a later deadline polls again until it comes.
    static constexpr std::chrono::milliseconds kPollCap{60000};

    // Takes over a connected socket.
    explicit FrameSocket(int fd = -1, std::chrono::milliseconds pollCap = kPollCap);
    ~FrameSocket();
    FrameSocket(FrameSocket&& other) noexcept;
    FrameSocket& operator=(FrameSocket&& other) noexcept;
    FrameSocket(const FrameSocket&) = delete;
    FrameSocket& operator=(const FrameSocket&) = delete;

    // Connects to the socket at `path`; not valid when nothing listens there or the socket
    // is held by another user.
    static FrameSocket connectTo(const std::string& path);
    // Tries again every few milliseconds until `deadline`, for a server that is starting.
    static FrameSocket connectBefore(const std::string& path, Clock::time_point deadline);
    // Connects; when nothing answers and `start` starts the server, gives the server `wait`
    // to open its socket.
    static FrameSocket connectOrStart(const std::string& path, const std::function<bool()>& start,
                                      std::chrono::milliseconds wait);
    // Whether the process at the other end runs as this user.
    static bool peerIsOwnUser(int fd);

    // Every later wait also ends, failing, once `wake` is woken; it must outlive the socket.
    void setWake(const WakePipe* wake) { wake_ = wake; }

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    void close();

    // False when the peer has gone or the deadline passed; the socket is closed then.
    bool send(char type, std::string_view payload, Clock::time_point deadline);
    // The next frame, keeping at most `keep` payload bytes and reading past the rest.
    // nullopt when the peer closed, even half-way, or the deadline passed; the socket is
    // closed then.
    std::optional<Frame> receive(std::size_t keep, Clock::time_point deadline);

private:
    bool waitFor(short events, Clock::time_point deadline);
    bool readExactly(char* data, std::size_t size, Clock::time_point deadline);
    bool skip(std::size_t size, Clock::time_point deadline);

    int fd_;
    std::chrono::milliseconds pollCap_;
    const WakePipe* wake_ = nullptr;
};

} // namespace harvex2::platform
