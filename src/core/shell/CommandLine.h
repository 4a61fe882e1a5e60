#pragma once

#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// What the program makes of its arguments (without the program name).
class CommandLine {
public:
    explicit CommandLine(std::vector<std::string> arguments);

    // The first argument is exactly "-dev".
    bool developerMode() const { return developerMode_; }
    // The link list file to open at start-up: all arguments joined with single spaces,
    // when that text's extension is ".nva" in any case, and not in developer mode.
    std::optional<std::string> linkListFile() const { return linkListFile_; }

    // The text from the last "." to the end, unless a "\" or ":" follows that ".".
    static std::string extensionOf(const std::string& path);

private:
    bool developerMode_ = false;
    std::optional<std::string> linkListFile_;
};

} // namespace harvex2::core
