#include "core/handoff/DownloadFollower.h"

#include <chrono>

namespace harvex2::core {

DownloadFollower::DownloadFollower(platform::WindowThread& windowThread, PollTimer& timer,
                                   std::unique_ptr<platform::JsonRpcClient> client,
                                   DownloadWatch watch, std::function<void()> changed)
    // A request that throws is only a missed answer: the next tick asks again.
    : calls_(windowThread, [this](const std::exception&) { asking_ = false; }), timer_(timer),
      client_(std::move(client)), watch_(std::move(watch)), changed_(std::move(changed)) {}

DownloadFollower::~DownloadFollower() {
    stop();
}

void DownloadFollower::start() {
    following_ = true;
    timer_.schedule(true,
                    static_cast<int>(std::chrono::milliseconds(DownloadWatch::kInterval).count()));
    tick();
}

void DownloadFollower::tick() {
    if (!following_ || asking_) {
        return;
    }
    if (watch_.over()) {
        stop();
        changed_();
        return;
    }
    asking_ = true;
    calls_.run<platform::JsonRpcBatchResult>(
        [client = client_, request = watch_.request()] { return client->post(request); },
        [this](platform::JsonRpcBatchResult answer) { answered(answer); });
}

void DownloadFollower::answered(const platform::JsonRpcBatchResult& answer) {
    asking_ = false;
    watch_.take(answer);
    if (watch_.over()) {
        stop();
    }
    changed_();
}

void DownloadFollower::stop() {
    if (!following_) {
        return;
    }
    following_ = false;
    calls_.giveUp();
    client_->interrupt();
    timer_.schedule(false, 0);
}

} // namespace harvex2::core
