#pragma once

#include "core/handoff/NetVampireChannel.h"
#include "core/handoff/TargetPass.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace harvex2::core {

// The pass for Net Vampire (the program's AddToNV): find the program, hand the rows over
// through its channel, then close the window or report the refused rows.
class NetVampirePass : public TargetPass {
public:
    explicit NetVampirePass(std::unique_ptr<NetVampireChannel> channel)
        : channel_(std::move(channel)) {}

    void start(AddingPassContext& context) override;
    void interrupt() override { channel_->interrupt(); }

private:
    std::optional<NetVampireLocation> locate(AddingPassContext& context);
    std::string askForFolder(AddingPassContext& context);

    std::unique_ptr<NetVampireChannel> channel_;
};

} // namespace harvex2::core
