#pragma once

#include "core/handoff/Aria2Session.h"
#include "core/handoff/TargetPass.h"
#include "platform/JsonRpcClient.h"

#include <cstddef>

namespace harvex2::core {

// The pass for aria2, reached over its JSON-RPC interface at the address in the settings.
// Rows go in batches over one connection; each row still gets its own outcome.
class Aria2Pass : public TargetPass {
public:
    explicit Aria2Pass(platform::JsonRpcConnector& connector) : connector_(connector) {}
    void run(AddingPassContext& context) override;

private:
    // Whether the batch of rows from `first` to before `end` was answered.
    static bool addBatch(AddingPassContext& context, Aria2Session& session, std::size_t first,
                         std::size_t end);
    static void record(AddingPassContext& context, std::size_t row, const Aria2Outcome& outcome);

    platform::JsonRpcConnector& connector_;
};

} // namespace harvex2::core
