#pragma once

#include "core/handoff/NetVampireChannel.h"

#include <cstddef>
#include <string>

namespace harvex2::core {

class TNVManager;

// The Net Vampire pass's channel that writes every row straight into Net Vampire's data
// folder as a new job, without talking to the running program.
class JobFileChannel : public NetVampireChannel {
public:
    explicit JobFileChannel(TNVManager& manager) : manager_(manager) {}

    // Hands every row over, first to last. A failure it cannot handle (a file or the job
    // counter that cannot be written) throws HandoffError with the text to show; the row it
    // happened on keeps "Adding" and the later rows keep "Waiting".
    void run(AddingPassContext& context, const NetVampireLocation& location) override;

private:
    void addRow(AddingPassContext& context, const std::string& dataFolder, std::size_t row);

    TNVManager& manager_;
};

} // namespace harvex2::core
