#include "CliRun.h"

#include <cstdlib>
#include <sys/wait.h>

namespace harvex2::test {

namespace {
std::string quoted(const std::string& arg) {
    std::string text = "'";
    for (char c : arg) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}
} // namespace

#ifdef HARVEX2_CLI_BINARY
CliOutcome runCli(const TempFolder& folder, const std::vector<std::string>& args,
                  const std::string& stdoutTo) {
    const std::string out = folder.file("stdout");
    const std::string err = folder.file("stderr");
    std::string command = quoted(HARVEX2_CLI_BINARY);
    for (const std::string& arg : args) {
        command += " " + quoted(arg);
    }
    command += " >" + quoted(stdoutTo.empty() ? out : stdoutTo) + " 2>" + quoted(err);
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::read(out), TempFolder::read(err)};
}
#endif

} // namespace harvex2::test
