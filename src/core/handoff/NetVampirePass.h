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
    void askForFolder(AddingPassContext& context);
    void folderChosen(AddingPassContext& context, const std::optional<std::string>& folder);
    // Goes on from the folder recorded or picked; empty when there is none.
    void located(AddingPassContext& context, const std::string& folder);

    std::unique_ptr<NetVampireChannel> channel_;
};

} // namespace harvex2::core
