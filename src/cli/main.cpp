#include "cli/ExtractCommand.h"
#include "cli/Usage.h"

#include <csignal>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

using harvex2::cli::ExtractCommand;

namespace {

int usageError(const std::string& problem) {
    std::fprintf(stderr, "harvex2-cli: %s\n%s", problem.c_str(), harvex2::cli::kUsageText);
    return ExtractCommand::kUsage;
}

int showHelp() {
    std::fputs(harvex2::cli::kHelpText, stdout);
    return std::fflush(stdout) == 0 ? ExtractCommand::kSuccess : ExtractCommand::kFileFailed;
}

int runCommand(const std::vector<std::string>& args) {
    if (args.empty()) {
        return usageError("no command given");
    }
    if (args.front() == "-h" || args.front() == "--help") {
        return showHelp();
    }
    if (args.front() != "extract") {
        return usageError("unknown command '" + args.front() + "'");
    }
    std::string problem;
    const auto options =
        ExtractCommand::parse(std::vector<std::string>(args.begin() + 1, args.end()), problem);
    if (!options) {
        return usageError(problem);
    }
    if (options->help) {
        return showHelp();
    }
    return ExtractCommand::run(*options, stdout, stderr);
}

} // namespace

int main(int argc, char** argv) {
    // A reader that closes the pipe early shows as a failed write, which ends the run
    // quietly, rather than as a signal that ends the program.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return runCommand(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::fputs("harvex2-cli: out of memory\n", stderr);
        return ExtractCommand::kFileFailed;
    }
}
