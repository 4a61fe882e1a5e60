#include "support/core/LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace harvex2::test {

namespace {

std::string statusLine(int status) {
    switch (status) {
    case 200:
        return "200 OK";
    case 400:
        return "400 Bad Request";
    case 404:
        return "404 Not Found";
    default:
        return std::to_string(status) + " Error";
    }
}

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

std::size_t contentLength(const std::string& head) {
    const std::string name = "content-length:";
    std::string lower = head;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const auto at = lower.find(name);
    return at == std::string::npos ? 0
                                   : static_cast<std::size_t>(std::strtoul(
                                         head.c_str() + at + name.size(), nullptr, 10));
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(std::function<HttpReply(const HttpRequest&)> handler,
                                       std::string host)
    : handler_(std::move(handler)), host_(std::move(host)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::inet_pton(AF_INET, host_.c_str(), &address.sin_addr) != 1 ||
        ::pipe2(stopPipe_, O_CLOEXEC) != 0 ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, 64) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot listen on loopback");
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    const char stop = 's';
    (void)::write(stopPipe_[1], &stop, 1);
    acceptor_.join();
    for (std::thread& connection : connections_) {
        connection.join();
    }
    ::close(listener_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

// Whether `fd` has something to read before the server is told to stop.
bool LoopbackHttpServer::waitReadable(int fd) const {
    pollfd watched[2] = {{fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    while (::poll(watched, 2, -1) < 0) {
    }
    return (watched[1].revents & POLLIN) == 0;
}

void LoopbackHttpServer::acceptLoop() {
    while (waitReadable(listener_)) {
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        ++accepted_;
        const std::lock_guard lock(mutex_);
        connections_.emplace_back([this, connection] {
            serve(connection);
            ::close(connection);
        });
    }
}

void LoopbackHttpServer::serve(int connection) {
    std::string buffer;
    HttpRequest request;
    while (readRequest(connection, buffer, request)) {
        const HttpReply reply = handler_(request);
        if (reply.hangUp) {
            return;
        }
        if (reply.silent) {
            waitReadable(stopPipe_[0]);
            return;
        }
        writeAll(connection, "HTTP/1.1 " + statusLine(reply.status) +
                                 "\r\nContent-Length: " + std::to_string(reply.body.size()) +
                                 "\r\nConnection: keep-alive\r\n\r\n" + reply.body);
    }
}

bool LoopbackHttpServer::readRequest(int connection, std::string& buffer,
                                     HttpRequest& request) const {
    std::size_t headEnd = std::string::npos;
    std::size_t needed = 0;
    char chunk[65536];
    for (;;) {
        if (headEnd == std::string::npos &&
            (headEnd = buffer.find("\r\n\r\n")) != std::string::npos) {
            needed = headEnd + 4 + contentLength(buffer.substr(0, headEnd));
        }
        if (headEnd != std::string::npos && buffer.size() >= needed) {
            break;
        }
        if (!waitReadable(connection)) {
            return false;
        }
        const ssize_t n = ::recv(connection, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return false;
        }
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
    const std::string line = buffer.substr(0, buffer.find("\r\n"));
    const auto space = line.find(' ');
    request.method = line.substr(0, space);
    request.path = line.substr(space + 1, line.find(' ', space + 1) - space - 1);
    request.head = buffer.substr(0, headEnd + 2);
    request.body = buffer.substr(headEnd + 4, needed - headEnd - 4);
    buffer.erase(0, needed);
    return true;
}

} // namespace harvex2::test
