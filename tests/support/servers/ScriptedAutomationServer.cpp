#include "support/servers/ScriptedAutomationServer.h"

#include "platform/posix/LocalEndpoint.h"

namespace harvex2::test {

namespace {

constexpr std::chrono::seconds kReplyTime{5};

} // namespace

ScriptedAutomationServer::ScriptedAutomationServer(const std::string& folder,
                                                   const std::string& progId)
    : progId_(progId), server_(platform::LocalEndpoint::path(
                                   folder, platform::LocalEndpoint::automationName(progId)),
                               [this](platform::FrameSocket& peer, const platform::Frame& frame) {
                                   return answer(peer, frame);
                               }) {}

bool ScriptedAutomationServer::answer(platform::FrameSocket& peer, const platform::Frame& frame) {
    const auto deadline = platform::FrameSocket::Clock::now() + kReplyTime;
    if (frame.type == 'C') {
        if (!creationFailure.empty() || frame.payload != progId_) {
            peer.send('E', creationFailure, deadline);
            return false;
        }
        ++objectsMade_;
        return peer.send('O', "", deadline);
    }
    const auto zero = frame.payload.find('\0');
    if (frame.type != 'M' || zero == std::string::npos) {
        return false;
    }
    std::string request = frame.payload;
    request[zero] = ' ';
    const ServerAnswer next = script.next(request);
    switch (next.kind) {
    case ServerAnswer::Accept:
        return peer.send('O', "", deadline);
    case ServerAnswer::Refuse:
        return peer.send('E', next.text, deadline);
    case ServerAnswer::Silent:
        server_.waitForClose(peer);
        return false;
    case ServerAnswer::Close:
        return false;
    }
    return false;
}

} // namespace harvex2::test
