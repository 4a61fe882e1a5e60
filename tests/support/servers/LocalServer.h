#pragma once

#include "platform/posix/FrameSocket.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace harvex2::test {

// A server listening on a local socket, each connection served in a thread of its own,
// handing every frame it receives to `handler` (false closes the connection), which may
// therefore be called from several threads at once. Stops and removes its socket when
// destroyed.
class LocalServer {
public:
    using Handler = std::function<bool(platform::FrameSocket& peer, const platform::Frame& frame)>;

    LocalServer(std::string path, Handler handler);
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    const std::string& path() const { return path_; }
    int connections() const { return connections_; }

    // Waits until the peer closes the connection or the server stops: for a server that
    // has taken a request and stays silent.
    bool waitForClose(platform::FrameSocket& peer);

private:
    struct Conversation {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> over;
    };

    void serve();
    void converse(platform::FrameSocket peer);
    void joinFinished();
    bool waitReadable(int fd);

    std::string path_;
    Handler handler_;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::atomic<int> connections_{0};
    // Touched only by the accepting thread until it has ended.
    std::vector<Conversation> conversations_;
    std::thread thread_;
};

} // namespace harvex2::test
