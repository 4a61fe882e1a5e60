#include "core/handoff/Aria2Handover.h"
#include "core/handoff/DownloadFollower.h"
#include "core/handoff/DownloadTarget.h"
#include "platform/posix/CurlJsonRpcConnector.h"
#include "support/core/Aria2Daemon.h"
#include "support/core/LoopWindowThread.h"
#include "support/core/LoopbackHttpServer.h"
#include "support/core/TempFolder.h"

#include <thread>

#include <gtest/gtest.h>

namespace harvex2::test {
namespace {

using namespace std::chrono_literals;

// Ticks only when the test says, as often as it likes.
class TestTimer : public core::PollTimer {
public:
    void schedule(bool run, int) override { running = run; }
    bool running = false;
};

// Hands `links` to aria2 as the aria2 pass does; each download followed by its place + 1.
std::vector<core::FollowedDownload>
handOver(const std::string& url, const std::vector<std::string>& links, const std::string& folder) {
    platform::CurlJsonRpcConnector connector;
    const auto client = connector.open(url, 5s);
    std::vector<core::Aria2Link> aria2Links;
    for (const std::string& link : links) {
        aria2Links.push_back(
            core::Aria2Session::linkFor(link, core::DownloadTarget::placeFor(folder, link)));
    }
    core::Aria2Handover handover(*client, Aria2Daemon::kSecret, aria2Links);
    EXPECT_EQ(handover.greet(), core::Aria2Failure::None);
    const core::Aria2Batch batch = handover.sendNext();
    std::vector<core::FollowedDownload> downloads;
    for (std::size_t i = 0; i < batch.outcomes.size(); ++i) {
        EXPECT_TRUE(batch.outcomes[i].added) << batch.outcomes[i].text;
        downloads.push_back({i + 1, links[i], batch.outcomes[i].text});
    }
    return downloads;
}

TEST(DownloadFollowingTest, TheSummaryNamesTheMissingFileWithAriasMessage) {
    LoopbackHttpServer server([](const HttpRequest& request) {
        return request.path == "/docs/here.txt" ? HttpReply{200, "here"} : HttpReply{404, {}};
    });
    TempFolder folder;
    Aria2Daemon aria2(folder.path());
    const std::string downloads = folder.path() + "/down";
    const auto followed = handOver(
        aria2.url(), {server.address() + "/docs/here.txt", server.address() + "/docs/missing.pdf"},
        downloads);

    LoopWindowThread windowThread;
    TestTimer timer;
    platform::CurlJsonRpcConnector connector;
    int changes = 0;
    core::DownloadFollower follower(windowThread, timer, connector.open(aria2.url(), 5s),
                                    core::DownloadWatch(followed, Aria2Daemon::kSecret),
                                    [&changes] { ++changes; });
    follower.start();
    EXPECT_TRUE(timer.running);
    for (int asked = 0; follower.following() && asked < 100; ++asked) {
        ASSERT_TRUE(windowThread.runUntil([&, before = changes] { return changes > before; }));
        std::this_thread::sleep_for(50ms);
        follower.tick();
    }
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(follower.watch().summary(),
              "1 of 2 downloaded; 1 failed: " + downloads + "/missing.pdf (Resource not found)");
    EXPECT_EQ(follower.watch().resultFor(1)->path, downloads + "/here.txt");
}

} // namespace
} // namespace harvex2::test
