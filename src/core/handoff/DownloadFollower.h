#pragma once

#include "core/handoff/DownloadWatch.h"
#include "core/handoff/PassCalls.h"
#include "core/handoff/PollTimer.h"

#include <functional>
#include <memory>

namespace harvex2::core {

// Follows the downloads of a hand-off to aria2 from the window's thread: asks at once, then
// at each tick of the timer (every DownloadWatch::kInterval) while any download is
// unfinished, each request on a thread of its own so that a slow aria2 never freezes the
// windows. Stops when all are done, at the time-out, or when stopped.
class DownloadFollower {
public:
    // `changed` hears, on the window's thread, of each answer and of the end.
    DownloadFollower(platform::WindowThread& windowThread, PollTimer& timer,
                     std::unique_ptr<platform::JsonRpcClient> client, DownloadWatch watch,
                     std::function<void()> changed);
    ~DownloadFollower();
    DownloadFollower(const DownloadFollower&) = delete;
    DownloadFollower& operator=(const DownloadFollower&) = delete;

    void start();
    void tick();
    // Gives up the request in flight without waiting for it.
    void stop();

    bool following() const { return following_; }
    const DownloadWatch& watch() const { return watch_; }

private:
    void answered(const platform::JsonRpcBatchResult& answer);

    PassCalls calls_;
    PollTimer& timer_;
    // Shared with the request in flight, which may outlive the follower.
    std::shared_ptr<platform::JsonRpcClient> client_;
    DownloadWatch watch_;
    std::function<void()> changed_;
    bool following_ = false;
    bool asking_ = false;
};

} // namespace harvex2::core
