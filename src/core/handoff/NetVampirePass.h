#pragma once

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/NetVampireChannel.h"

#include <optional>
#include <string>

namespace harvex2::core {

// The pass for Net Vampire and Net Vampire 3: find the program, hand the rows over through
// the channel the settings choose, then close the window or report the refused rows.
class NetVampirePass {
public:
    // Until a DDE channel is given, every pass writes job files.
    explicit NetVampirePass(NetVampireChannel& jobFiles, NetVampireChannel* dde = nullptr)
        : jobFiles_(jobFiles), dde_(dde) {}

    void AddToNV(AddingPassContext& context);

private:
    std::optional<NetVampireLocation> locate(AddingPassContext& context);
    std::string askForFolder(AddingPassContext& context);
    NetVampireChannel& channelFor(const SettingsRecord& settings);

    NetVampireChannel& jobFiles_;
    NetVampireChannel* dde_;
};

} // namespace harvex2::core
