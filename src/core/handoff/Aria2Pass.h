#pragma once

#include "core/handoff/Aria2Session.h"
#include "core/handoff/TargetPass.h"
#include "platform/JsonRpcClient.h"

#include <cstddef>
#include <string>

namespace harvex2::core {

// The pass for aria2, reached over its JSON-RPC interface at the address in the settings.
// Rows go in batches over one connection; each row still gets its own outcome.
class Aria2Pass : public TargetPass {
public:
    explicit Aria2Pass(platform::JsonRpcConnector& connector) : connector_(connector) {}
    void run(AddingPassContext& context) override;

private:
    // Hands over the batch of rows from `first` to before `end`.
    static Aria2Failure addBatch(AddingPassContext& context, Aria2Session& session,
                                 std::size_t first, std::size_t end);
    // The rows from `first` to before `unconfirmed` may have been taken; the rest of the
    // batch, to before `end`, was not sent.
    static void connectionLost(AddingPassContext& context, std::size_t first,
                               std::size_t unconfirmed, std::size_t end,
                               const std::string& message);
    static void record(AddingPassContext& context, std::size_t row, const Aria2Outcome& outcome);

    platform::JsonRpcConnector& connector_;
};

} // namespace harvex2::core
