#pragma once

#include "platform/Prompts.h"
#include "platform/Shell.h"

#include <string>

namespace harvex2::core {

// Opens web addresses and documents through the desktop. Where the desktop cannot (no web
// browser, no program for the file), a box says so and gives the address or the path, so
// the user can copy it into a program of their own.
class DesktopOpener {
public:
    DesktopOpener(platform::Shell& shell, platform::Prompts& prompts)
        : shell_(shell), prompts_(prompts) {}

    void openAddress(const std::string& address, platform::ShowMode mode) const;
    void openFile(const std::string& path, platform::ShowMode mode) const;

private:
    void open(const std::string& target, platform::ShowMode mode, const std::string& failure) const;

    platform::Shell& shell_;
    platform::Prompts& prompts_;
};

} // namespace harvex2::core
