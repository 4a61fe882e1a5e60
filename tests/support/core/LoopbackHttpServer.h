#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace harvex2::test {

struct HttpRequest {
    std::string method;
    std::string path;
    // The request line and the headers as they came, each line ending in CR LF.
    std::string head;
    std::string body;
};

struct HttpReply {
    int status = 200;
    std::string body;
    // Stands for a peer that dies: the connection is closed without an answer.
    bool hangUp = false;
    // Stands for a peer that hangs: the connection stays open without an answer.
    bool silent = false;
};

// An HTTP/1.1 server on a loopback address (127.0.0.1 unless told) and a free port, answering
// through `handler` on threads of its own, one per connection, with connections kept alive.
// Stops when destroyed.
class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(std::function<HttpReply(const HttpRequest&)> handler,
                                std::string host = "127.0.0.1");
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    int port() const { return port_; }
    std::string address() const { return "http://" + host_ + ":" + std::to_string(port_); }
    int connectionsAccepted() const { return accepted_; }

private:
    void acceptLoop();
    void serve(int connection);
    bool waitReadable(int fd) const;
    bool readRequest(int connection, std::string& buffer, HttpRequest& request) const;

    std::function<HttpReply(const HttpRequest&)> handler_;
    std::string host_;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    std::atomic<int> accepted_{0};
    std::mutex mutex_;
    std::vector<std::thread> connections_;
    std::thread acceptor_;
};

} // namespace harvex2::test
