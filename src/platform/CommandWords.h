#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::platform {

// Cuts a command line into a program and its arguments the way a POSIX shell cuts words,
// so a line written for a shell starts the same program with the same arguments without
// running one. Blanks separate words; single quotes keep everything up to the next one;
// double quotes keep everything but a backslash before $ ` " \ or a line break; a
// backslash outside quotes keeps the next character. Nothing is expanded: "$HOME", "*"
// and "~" stay as they stand.
class CommandWords {
public:
    // nullopt when a quote is left open, as a shell would refuse the line.
    static std::optional<std::vector<std::string>> split(std::string_view line);
    // One word that split() gives back exactly as it stands, whatever it holds.
    static std::string quote(std::string_view word);
};

} // namespace harvex2::platform
