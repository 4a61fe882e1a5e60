#pragma once

#include "core/handoff/Aria2Handover.h"
#include "core/handoff/DownloadWatch.h"
#include "core/handoff/TargetPass.h"
#include "core/shell/Aria2Endpoint.h"
#include "platform/JsonRpcClient.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace harvex2::core {

// The pass for aria2, reached over its JSON-RPC interface at the endpoint the settings choose.
// Rows go in batches over one connection; each row still gets its own outcome.
class Aria2Pass : public TargetPass {
public:
    explicit Aria2Pass(platform::JsonRpcConnector& connector) : connector_(connector) {}
    void start(AddingPassContext& context) override;
    void interrupt() override;

private:
    struct Link;

    void greeted(AddingPassContext& context, Aria2Failure failure);
    // Sends the batch that starts at `first`, or ends the pass after the last one.
    void sendBatch(AddingPassContext& context, std::size_t first);
    void batchAnswered(AddingPassContext& context, const Aria2Batch& batch);
    // The rows from `first` to before `unconfirmed` may have been taken; the rest of the
    // batch, to before `end`, was not sent.
    static void connectionLost(AddingPassContext& context, std::size_t first,
                               std::size_t unconfirmed, std::size_t end,
                               const std::string& message);
    void record(AddingPassContext& context, std::size_t row, const Aria2Outcome& outcome);
    // Gives what aria2 took to whoever follows the downloads.
    void handOut(AddingPassContext& context);

    platform::JsonRpcConnector& connector_;
    Aria2Endpoint endpoint_;
    // Shared with the call in flight, which may outlive the pass when it is given up.
    std::shared_ptr<Link> link_;
    // The GIDs aria2 returned in this pass, by row.
    std::vector<FollowedDownload> followed_;
};

} // namespace harvex2::core
