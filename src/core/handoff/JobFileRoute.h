#pragma once

#include "core/handoff/JobFileChannel.h"
#include "core/handoff/NetVampireChannel.h"

namespace harvex2::core {

// The Net Vampire pass reaching the job-file channel: it only needs the data folder.
class JobFileRoute : public NetVampireChannel {
public:
    explicit JobFileRoute(JobFileChannel& channel) : channel_(channel) {}

    void run(AddingPassContext& context, const NetVampireLocation& location) override {
        channel_.run(context, location.dataFolder);
    }

private:
    JobFileChannel& channel_;
};

} // namespace harvex2::core
