#include "cli/ConvertCommand.h"
#include "cli/ExitStatus.h"
#include "cli/ExtractCommand.h"
#include "cli/LedgerCommand.h"
#include "cli/ListCommand.h"
#include "cli/SendCommand.h"
#include "cli/SequenceCommand.h"
#include "cli/Usage.h"

#include <csignal>
#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace harvex2::cli;

namespace {

int usageError(const std::string& problem) {
    std::fprintf(stderr, "harvex2-cli: %s\n%s", problem.c_str(), kUsageText);
    return kUsage;
}

int showHelp() {
    std::fputs(kHelpText, stdout);
    return std::fflush(stdout) == 0 ? kSuccess : kFailed;
}

template <class Command> int runCommand(const std::vector<std::string>& args) {
    std::string problem;
    const auto options = Command::parse(args, problem);
    if (!options) {
        return usageError(problem);
    }
    if (options->help) {
        return showHelp();
    }
    return Command::run(*options, stdout, stderr);
}

using Runner = int (*)(const std::vector<std::string>& args);

constexpr std::pair<std::string_view, Runner> kCommands[] = {
    {"extract", runCommand<ExtractCommand>}, {"sequence", runCommand<SequenceCommand>},
    {"list", runCommand<ListCommand>},       {"convert", runCommand<ConvertCommand>},
    {"send", runCommand<SendCommand>},       {"ledger", runCommand<LedgerCommand>},
};

int runCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) {
        return usageError("no command given");
    }
    if (args.front() == "-h" || args.front() == "--help") {
        return showHelp();
    }
    for (const auto& [name, run] : kCommands) {
        if (args.front() == name) {
            return run(std::vector<std::string>(args.begin() + 1, args.end()));
        }
    }
    return usageError("unknown command '" + args.front() + "'");
}

} // namespace

int main(int argc, char** argv) {
    // A reader that closes the pipe early shows as a failed write, which ends the run
    // quietly, rather than as a signal that ends the program.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return runCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::fputs("harvex2-cli: out of memory\n", stderr);
        return kFailed;
    }
}
