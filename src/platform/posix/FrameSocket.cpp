#include "platform/posix/FrameSocket.h"

#include "platform/posix/WakePipe.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace harvex2::platform {

namespace {

constexpr std::chrono::milliseconds kConnectRetry{20};

// Rounded up, so that a wait never ends just before its deadline.
int millisecondsUntil(FrameSocket::Clock::time_point deadline, std::chrono::milliseconds cap) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - FrameSocket::Clock::now());
    return static_cast<int>(
        std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, cap.count()));
}

std::array<char, FrameSocket::kHeaderSize> header(char type, std::size_t length) {
    const auto size = static_cast<std::uint32_t>(length);
    return {type, static_cast<char>(size >> 24), static_cast<char>(size >> 16),
            static_cast<char>(size >> 8), static_cast<char>(size)};
}

std::size_t payloadLength(const std::array<char, FrameSocket::kHeaderSize>& bytes) {
    std::uint32_t size = 0;
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        size = (size << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return size;
}

} // namespace

FrameSocket::FrameSocket(int fd, std::chrono::milliseconds pollCap) : fd_(fd), pollCap_(pollCap) {}

FrameSocket::~FrameSocket() {
    close();
}

FrameSocket::FrameSocket(FrameSocket&& other) noexcept
    : fd_(other.fd_), pollCap_(other.pollCap_), wake_(other.wake_) {
    other.fd_ = -1;
}

FrameSocket& FrameSocket::operator=(FrameSocket&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        pollCap_ = other.pollCap_;
        wake_ = other.wake_;
        other.fd_ = -1;
    }
    return *this;
}

void FrameSocket::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

FrameSocket FrameSocket::connectTo(const std::string& path) {
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return FrameSocket();
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    // Waits are bounded by poll(); the socket itself never blocks, not even in connect()
    // when a server that accepts nobody has filled its queue.
    FrameSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.valid() ||
        ::connect(socket.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        !peerIsOwnUser(socket.fd_)) {
        return FrameSocket();
    }
    return socket;
}

FrameSocket FrameSocket::connectBefore(const std::string& path, Clock::time_point deadline) {
    while (true) {
        FrameSocket socket = connectTo(path);
        if (socket.valid() || Clock::now() >= deadline) {
            return socket;
        }
        std::this_thread::sleep_for(kConnectRetry);
    }
}

FrameSocket FrameSocket::connectOrStart(const std::string& path, const std::function<bool()>& start,
                                        std::chrono::milliseconds wait) {
    FrameSocket socket = connectTo(path);
    if (socket.valid() || path.empty() || !start()) {
        return socket;
    }
    return connectBefore(path, Clock::now() + wait);
}

bool FrameSocket::peerIsOwnUser(int fd) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

bool FrameSocket::waitFor(short events, Clock::time_point deadline) {
    std::array<pollfd, 2> entries{{{fd_, events, 0}, {wake_ ? wake_->fd() : -1, POLLIN, 0}}};
    while (true) {
        const int ready =
            ::poll(entries.data(), entries.size(), millisecondsUntil(deadline, pollCap_));
        if (entries[1].revents != 0) {
            return false;
        }
        if (ready > 0) {
            return true;
        }
        if ((ready < 0 && errno != EINTR) || (ready == 0 && Clock::now() >= deadline)) {
            return false;
        }
    }
}

bool FrameSocket::send(char type, std::string_view payload, Clock::time_point deadline) {
    if (!valid() || payload.size() > UINT32_MAX) {
        close();
        return false;
    }
    const auto head = header(type, payload.size());
    std::string bytes(head.begin(), head.end());
    bytes.append(payload);
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t done = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (done > 0) {
            sent += static_cast<std::size_t>(done);
        } else if (done < 0 && errno == EINTR) {
            continue;
        } else if (done == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) ||
                   !waitFor(POLLOUT, deadline)) {
            close();
            return false;
        }
    }
    return true;
}

bool FrameSocket::readExactly(char* data, std::size_t size, Clock::time_point deadline) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t done = ::recv(fd_, data + got, size - got, 0);
        if (done > 0) {
            got += static_cast<std::size_t>(done);
        } else if (done < 0 && errno == EINTR) {
            continue;
        } else if (done == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) ||
                   !waitFor(POLLIN, deadline)) {
            return false;
        }
    }
    return true;
}

bool FrameSocket::skip(std::size_t size, Clock::time_point deadline) {
    std::array<char, 4096> scrap{};
    while (size > 0) {
        const std::size_t part = std::min(size, scrap.size());
        if (!readExactly(scrap.data(), part, deadline)) {
            return false;
        }
        size -= part;
    }
    return true;
}

std::optional<Frame> FrameSocket::receive(std::size_t keep, Clock::time_point deadline) {
    std::array<char, kHeaderSize> head{};
    if (!valid() || !readExactly(head.data(), head.size(), deadline)) {
        close();
        return std::nullopt;
    }
    const std::size_t length = payloadLength(head);
    Frame frame{head[0], std::string(std::min(length, keep), '\0')};
    if (!readExactly(frame.payload.data(), frame.payload.size(), deadline) ||
        !skip(length - frame.payload.size(), deadline)) {
        close();
        return std::nullopt;
    }
    return frame;
}

} // namespace harvex2::platform
