#pragma once

#include "cli/CommandOption.h"
#include "cli/SendCommand.h"
#include "platform/ProcessLauncher.h"

#include <cstdio>
#include <string>
#include <vector>

namespace harvex2::cli {

// `harvex2-cli send --command TEMPLATE`: runs the template's program once per link, --jobs
// at a time, waits for all of them and prints one line per link as each ends.
class CommandSend {
public:
    // Reads --jobs: a whole number from 1.
    static CommandOption::Value jobsIn(std::size_t& jobs);
    // The template and the options beside it; false, with `error` set, when they do not fit.
    static bool checkOptions(const SendOptions& options, std::string& error);

    static int run(const SendOptions& options, const std::vector<SendLink>& links, std::FILE* out,
                   std::FILE* err);
    // With the launcher given, for tests and benchmarks.
    static int run(const SendOptions& options, const std::vector<SendLink>& links,
                   platform::ProcessLauncher& launcher, std::FILE* out, std::FILE* err);
};

} // namespace harvex2::cli
