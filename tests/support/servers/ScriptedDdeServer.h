#pragma once

#include "support/servers/LocalServer.h"
#include "support/servers/ServerScript.h"

#include <string>

namespace harvex2::test {

// A DDE server for one service and topic in `folder`, answering each request as scripted:
// Accept is an empty reply, Refuse replies with the text, Silent never answers, Close hangs
// up.
class ScriptedDdeServer {
public:
    explicit ScriptedDdeServer(const std::string& folder, const std::string& service = "VAMPIRE",
                               const std::string& topic = "WWW_OpenURL");

    ServerScript script;
    int connections() const { return server_.connections(); }

private:
    bool answer(platform::FrameSocket& peer, const platform::Frame& frame);

    LocalServer server_;
};

} // namespace harvex2::test
