#pragma once

#include "support/servers/LocalServer.h"
#include "support/servers/ServerScript.h"

#include <atomic>
#include <string>

namespace harvex2::test {

// An automation server for one ProgID in `folder`. The script answers the calls: Accept
// returns, Refuse fails the call with the text, Silent never answers, Close hangs up. Each
// request is recorded as the method name, a blank and the argument.
class ScriptedAutomationServer {
public:
    explicit ScriptedAutomationServer(const std::string& folder,
                                      const std::string& progId = "ReGet.UrlList.1");

    ServerScript script;
    // Refuses to make the object, with this text, when not empty.
    std::string creationFailure;
    int objectsMade() const { return objectsMade_; }

private:
    bool answer(platform::FrameSocket& peer, const platform::Frame& frame);

    std::atomic<int> objectsMade_{0};
    std::string progId_;
    LocalServer server_;
};

} // namespace harvex2::test
