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

// `arg` as one word of a POSIX shell's command line.
std::string shellQuoted(const std::string& arg);

// Runs the built harvex2-cli as a shell user would, its output caught in files of
// `folder`, or standard output sent to `stdoutTo` when it is given; standard input comes
// from `stdinFrom` when given, and `before` holds shell commands run first. Its data folder
// is "data" in `folder`.
CliOutcome runCli(const TempFolder& folder, const std::vector<std::string>& args,
                  const std::string& stdoutTo = {}, const std::string& stdinFrom = {},
                  const std::string& before = {});

} // namespace harvex2::test
