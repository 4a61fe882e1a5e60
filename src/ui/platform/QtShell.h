#pragma once

#include "platform/Shell.h"

namespace harvex2::ui {

// Opens documents and web addresses with the desktop's handlers and starts command lines
// without waiting for them.
class QtShell : public platform::Shell {
public:
    bool open(const std::string& pathOrAddress, platform::ShowMode mode) override;
    bool startCommand(const std::string& commandLine) override;
    bool startProgram(const std::vector<std::string>& words) override;
};

} // namespace harvex2::ui
