#pragma once

#include <string>

namespace harvex2::platform {

enum class ShowMode { Normal, Maximised };

// The desktop shell: "open" a document or web address, start a command line.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool open(const std::string& pathOrAddress, ShowMode mode) = 0;
    virtual bool startCommand(const std::string& commandLine) = 0;
};

} // namespace harvex2::platform
