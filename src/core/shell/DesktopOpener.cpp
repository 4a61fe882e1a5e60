#include "core/shell/DesktopOpener.h"

namespace harvex2::core {

void DesktopOpener::openAddress(const std::string& address, platform::ShowMode mode) const {
    open(address, mode, "No web browser could be started. The address is:\n");
}

void DesktopOpener::openFile(const std::string& path, platform::ShowMode mode) const {
    open(path, mode, "No program could be started to show the file. It is:\n");
}

void DesktopOpener::open(const std::string& target, platform::ShowMode mode,
                         const std::string& failure) const {
    if (!shell_.open(target, mode)) {
        prompts_.message({platform::MessageIcon::Information, "Harvex2", failure + target});
    }
}

} // namespace harvex2::core
