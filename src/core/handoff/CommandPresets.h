#pragma once

#include <functional>
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
    // Those whose program `onPath` finds, in the same order.
    static std::vector<CommandPreset>
    available(const std::function<bool(const std::string& program)>& onPath);
};

} // namespace harvex2::core
