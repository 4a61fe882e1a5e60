#include "support/servers/LocalServer.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace harvex2::test {

namespace {

constexpr std::chrono::seconds kFrameTime{5};
constexpr std::size_t kKeepEverything = 1U << 24;

} // namespace

LocalServer::LocalServer(std::string path, Handler handler)
    : path_(std::move(path)), handler_(std::move(handler)) {
    sockaddr_un address{};
    if (path_.empty() || path_.size() >= sizeof(address.sun_path) || ::pipe(stopPipe_) != 0) {
        throw std::runtime_error("cannot serve at '" + path_ + "'");
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path_.data(), path_.size());
    ::unlink(path_.c_str());
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(listener_, 16) != 0) {
        throw std::runtime_error("cannot listen at '" + path_ + "'");
    }
    thread_ = std::thread([this] { serve(); });
}

LocalServer::~LocalServer() {
    const char stop = 's';
    [[maybe_unused]] const auto written = ::write(stopPipe_[1], &stop, 1);
    thread_.join();
    for (Conversation& conversation : conversations_) {
        conversation.thread.join();
    }
    ::close(listener_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
    ::unlink(path_.c_str());
}

bool LocalServer::waitReadable(int fd) {
    pollfd entries[2] = {{fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    while (::poll(entries, 2, -1) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return (entries[1].revents & POLLIN) == 0;
}

void LocalServer::serve() {
    while (waitReadable(listener_)) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            continue;
        }
        ++connections_;
        joinFinished();
        auto over = std::make_shared<std::atomic<bool>>(false);
        conversations_.push_back({std::thread([this, fd, over] {
                                      platform::FrameSocket peer(fd);
                                      // Serves only its own user, as the program expects of
                                      // any server.
                                      if (platform::FrameSocket::peerIsOwnUser(fd)) {
                                          converse(std::move(peer));
                                      }
                                      *over = true;
                                  }),
                                  over});
    }
}

// A long-running server must not keep every finished thread.
void LocalServer::joinFinished() {
    std::erase_if(conversations_, [](Conversation& conversation) {
        if (!*conversation.over) {
            return false;
        }
        conversation.thread.join();
        return true;
    });
}

void LocalServer::converse(platform::FrameSocket peer) {
    while (peer.valid() && waitReadable(peer.fd())) {
        const auto frame =
            peer.receive(kKeepEverything, platform::FrameSocket::Clock::now() + kFrameTime);
        if (!frame || !handler_(peer, *frame)) {
            return;
        }
    }
}

bool LocalServer::waitForClose(platform::FrameSocket& peer) {
    while (waitReadable(peer.fd())) {
        char scrap[256];
        if (::recv(peer.fd(), scrap, sizeof(scrap), 0) <= 0) {
            return true;
        }
    }
    return false;
}

} // namespace harvex2::test
