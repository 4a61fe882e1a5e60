#pragma once

#include "platform/Shell.h"

#include <string>
#include <sys/types.h>
#include <vector>

namespace harvex2::test {

// Starts command lines as real child processes, as the desktop shell would, and ends the
// ones still running when it goes.
class SpawningShell : public platform::Shell {
public:
    SpawningShell() = default;
    ~SpawningShell() override;
    SpawningShell(const SpawningShell&) = delete;
    SpawningShell& operator=(const SpawningShell&) = delete;

    bool open(const std::string& pathOrAddress, platform::ShowMode mode) override;
    bool startCommand(const std::string& commandLine) override;
    bool startProgram(const std::vector<std::string>& words) override;

    std::vector<std::string> started;

private:
    std::vector<pid_t> children_;
};

} // namespace harvex2::test
