#pragma once

#include "core/handoff/NetVampireChannel.h"

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::core {

class JobFileManager;

// The Net Vampire pass's channel that writes every row straight into Net Vampire's data
// folder as a new job, without talking to the running program.
class JobFileChannel : public NetVampireChannel {
public:
    explicit JobFileChannel(JobFileManager& manager) : manager_(manager) {}

    // Hands every row over, first to last. A failure it cannot handle (a file or the job
    // counter that cannot be written) throws with the text to show; the row it
    // happened on keeps "Adding" and the later rows keep "Waiting".
    void start(AddingPassContext& context, const NetVampireLocation& location,
               std::function<void()> done) override;
    // Rows are written on the window's thread, a few milliseconds' worth at a time: nothing
    // waits on another program.
    void interrupt() override {}

private:
    void addRows(AddingPassContext& context, std::size_t first);
    void addRow(AddingPassContext& context, std::size_t row);

    JobFileManager& manager_;
    std::string dataFolder_;
    std::function<void()> done_;
};

} // namespace harvex2::core
