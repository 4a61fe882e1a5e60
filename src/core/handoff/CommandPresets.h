#pragma once

#include "platform/ProcessLauncher.h"

#include <string>
#include <vector>

namespace harvex2::core {

// A ready-made command template for a known downloader.
struct CommandPreset {
    std::string program;
    std::string line;
};

// The ready-made templates Options offers. Each puts "--" before {url}, so that no link can
// pass as an option, and makes one download per process.
class CommandPresets {
public:
    static const std::vector<CommandPreset>& all();
    // Those whose program can be started here, in the same order.
    static std::vector<CommandPreset> available(const platform::ProcessLauncher& launcher);
};

} // namespace harvex2::core
