#include "core/shell/CommandLine.h"

#include "platform/AsciiText.h"

namespace harvex2::core {

namespace {
constexpr const char* kDeveloperSwitch = "-dev";
} // namespace

CommandLine::CommandLine(std::vector<std::string> arguments) {
    if (arguments.empty()) {
        return;
    }
    if (arguments.front() == kDeveloperSwitch) {
        developerMode_ = true;
        return;
    }
    // Joined with single spaces, an unquoted path with spaces comes back whole.
    std::string joined = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        joined += ' ' + arguments[i];
    }
    if (platform::AsciiText::equalsIgnoringCase(extensionOf(joined), ".nva")) {
        linkListFile_ = joined;
    }
}

std::string CommandLine::extensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of(".\\:");
    if (dot == std::string::npos || path[dot] != '.') {
        return {};
    }
    return path.substr(dot);
}

} // namespace harvex2::core
