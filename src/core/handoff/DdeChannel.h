#pragma once

#include "core/handoff/NetVampireChannel.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
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

    void start(AddingPassContext& context, const NetVampireLocation& location,
               std::function<void()> done) override;
    void interrupt() override;

    // What is started when nothing answers: the executable without its extension.
    static std::string serviceApplication(const std::string& executable);
    // The request for one row: its URL and Target, each followed by a comma; neither can
    // bring a comma of its own.
    static std::string requestItem(const AddingRow& row);

private:
    using Conversation = std::shared_ptr<platform::DdeConversation>;

    void connected(AddingPassContext& context, Conversation conversation);
    // Sends the row's request, or ends after the last row.
    void addRow(AddingPassContext& context, std::size_t row);
    void answered(AddingPassContext& context, std::size_t row,
                  const std::optional<std::string>& reply);
    void end();
    static void refuse(AddingPassContext& context, std::size_t row, const std::string& reply);

    platform::DdeClient& client_;
    // Shared with the call in flight, which may outlive the pass when it is given up.
    Conversation conversation_;
    std::function<void()> done_;
};

} // namespace harvex2::core
