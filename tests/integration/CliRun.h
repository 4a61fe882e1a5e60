#pragma once

#include "support/core/TempFolder.h"

#include <string>
#include <vector>

namespace harvex2::test {

struct CliOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built harvex2-cli as a shell user would, its output caught in files of
// `folder`, or standard output sent to `stdoutTo` when it is given.
CliOutcome runCli(const TempFolder& folder, const std::vector<std::string>& args,
                  const std::string& stdoutTo = {});

} // namespace harvex2::test
