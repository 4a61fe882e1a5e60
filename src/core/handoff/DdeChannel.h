#pragma once

#include "core/handoff/NetVampireChannel.h"

#include <cstddef>
#include <string>

namespace harvex2::platform {
class DdeClient;
class DdeConversation;
} // namespace harvex2::platform

namespace harvex2::core {

// The Net Vampire pass's channel that hands each row to the running Net Vampire through its
// DDE service, one request per link, and reads its answer: an empty reply accepts the link,
// any other text refuses it, no reply at all ends the pass.
class DdeChannel : public NetVampireChannel {
public:
    // Each request waits for the client's time-out, ten seconds unless the client was told
    // otherwise.
    explicit DdeChannel(platform::DdeClient& client) : client_(client) {}

    void run(AddingPassContext& context, const NetVampireLocation& location) override;

    // What is started when nothing answers: the executable without its extension.
    static std::string serviceApplication(const std::string& executable);
    // The request for one row: its URL and Target, each followed by a comma; neither can
    // bring a comma of its own.
    static std::string requestItem(const AddingRow& row);

private:
    // False when Net Vampire did not answer and the pass has ended.
    bool addRow(AddingPassContext& context, platform::DdeConversation& conversation,
                std::size_t row);
    static void refuse(AddingPassContext& context, std::size_t row, const std::string& reply);

    platform::DdeClient& client_;
};

} // namespace harvex2::core
