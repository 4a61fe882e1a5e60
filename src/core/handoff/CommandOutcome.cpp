#include "core/handoff/CommandOutcome.h"

namespace harvex2::core {

namespace {

std::string withLine(std::string what, const std::string& lastLine) {
    return lastLine.empty() ? what : lastLine + " (" + what + ")";
}

} // namespace

std::string CommandOutcome::text(const platform::ProcessEnd& end) {
    using Kind = platform::ProcessEnd::Kind;
    switch (end.kind) {
    case Kind::Exited:
        return end.code == 0 ? kDone
                             : withLine("exit status " + std::to_string(end.code), end.lastLine);
    case Kind::Signalled:
        return withLine("ended by signal " + std::to_string(end.code), end.lastLine);
    case Kind::TimedOut:
        return withLine("stopped after the time-out", end.lastLine);
    case Kind::Stopped:
        return "stopped when Harvex2 closed";
    case Kind::NotStarted:
        return "cannot start " + end.lastLine;
    }
    return {};
}

std::string CommandOutcome::missingProgram(const std::string& program,
                                           const platform::ProcessLauncher& launcher) {
    if (launcher.find(program)) {
        return {};
    }
    return "Cannot start \"" + program + "\": no such program" +
           (program.find('/') == std::string::npos ? " on PATH." : ".");
}

} // namespace harvex2::core
