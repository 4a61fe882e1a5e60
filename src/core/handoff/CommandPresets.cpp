#include "core/handoff/CommandPresets.h"

namespace harvex2::core {

const std::vector<CommandPreset>& CommandPresets::all() {
    // Quiet but for errors, so that a failed row shows the program's own reason. curl's -g
    // keeps brackets in a link from being read as its own URL ranges.
    static const std::vector<CommandPreset> presets{
        {"wget", "wget -nv -O {dir}/{name} -- {url}"},
        {"curl", "curl -g -fsS -o {dir}/{name} -- {url}"},
        {"aria2c", "aria2c -q -d {dir} -o {name} -- {url}"},
        {"axel", "axel -q -o {dir}/{name} -- {url}"},
        {"yt-dlp", "yt-dlp -q --no-progress -P {dir} -- {url}"},
    };
    return presets;
}

std::vector<CommandPreset>
CommandPresets::available(const std::function<bool(const std::string& program)>& onPath) {
    std::vector<CommandPreset> found;
    for (const CommandPreset& preset : all()) {
        if (onPath(preset.program)) {
            found.push_back(preset);
        }
    }
    return found;
}

} // namespace harvex2::core
