#include "support/servers/ScriptedDdeServer.h"

#include "platform/posix/LocalEndpoint.h"

namespace harvex2::test {

namespace {

constexpr std::chrono::seconds kReplyTime{5};

} // namespace

ScriptedDdeServer::ScriptedDdeServer(const std::string& folder, const std::string& service,
                                     const std::string& topic)
    : server_(
          platform::LocalEndpoint::path(folder, platform::LocalEndpoint::ddeName(service, topic)),
          [this](platform::FrameSocket& peer, const platform::Frame& frame) {
              return answer(peer, frame);
          }) {}

bool ScriptedDdeServer::answer(platform::FrameSocket& peer, const platform::Frame& frame) {
    if (frame.type != 'R') {
        return false;
    }
    const ServerAnswer next = script.next(frame.payload);
    const auto deadline = platform::FrameSocket::Clock::now() + kReplyTime;
    switch (next.kind) {
    case ServerAnswer::Accept:
        return peer.send('D', "", deadline);
    case ServerAnswer::Refuse:
        return peer.send('D', next.text, deadline);
    case ServerAnswer::Silent:
        server_.waitForClose(peer);
        return false;
    case ServerAnswer::Close:
        return false;
    }
    return false;
}

} // namespace harvex2::test
