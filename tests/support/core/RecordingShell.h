#pragma once

#include "platform/Shell.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace harvex2::test {

// Remembers what the program asked the desktop to open or start. `opens` false makes
// every open fail, as on a desktop with no handler for the address.
class RecordingShell : public platform::Shell {
public:
    bool open(const std::string& pathOrAddress, platform::ShowMode mode) override {
        opened.emplace_back(pathOrAddress, mode);
        return opens;
    }
    bool startCommand(const std::string& commandLine) override {
        started.push_back(commandLine);
        return onStart ? onStart(commandLine) : true;
    }
    bool startProgram(const std::vector<std::string>& words) override {
        programs.push_back(words);
        return true;
    }

    bool opens = true;
    // What starting a command does; it succeeds without doing anything unless told.
    std::function<bool(const std::string&)> onStart;
    std::vector<std::pair<std::string, platform::ShowMode>> opened;
    std::vector<std::string> started;
    std::vector<std::vector<std::string>> programs;
};

} // namespace harvex2::test
