#pragma once

#include "platform/ProcessLauncher.h"

#include <string>

namespace harvex2::core {

// What a command target tells of one row's process, in the row and on the command line.
class CommandOutcome {
public:
    static constexpr const char* kDone = "done";

    // kDone for a success; otherwise why it failed, with the program's last error line.
    static std::string text(const platform::ProcessEnd& end);
    // The message for a template whose program cannot be started, naming it; empty when
    // `program` can be.
    static std::string missingProgram(const std::string& program,
                                      const platform::ProcessLauncher& launcher);
};

} // namespace harvex2::core
