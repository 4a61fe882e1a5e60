#include "CliRun.h"

#include <cstdlib>
#include <sys/wait.h>

namespace harvex2::test {

std::string shellQuoted(const std::string& arg) {
    std::string text = "'";
    for (char c : arg) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

#ifdef HARVEX2_CLI_BINARY
CliOutcome runCli(const TempFolder& folder, const std::vector<std::string>& args,
                  const std::string& stdoutTo, const std::string& stdinFrom,
                  const std::string& before) {
    const std::string out = folder.file("stdout");
    const std::string err = folder.file("stderr");
    // The record of sent links stays in the test's folder.
    std::string command = "export XDG_DATA_HOME=" + shellQuoted(folder.file("data")) + "; " +
                          before + "exec " + shellQuoted(HARVEX2_CLI_BINARY);
    for (const std::string& arg : args) {
        command += " " + shellQuoted(arg);
    }
    command += " >" + shellQuoted(stdoutTo.empty() ? out : stdoutTo) + " 2>" + shellQuoted(err);
    if (!stdinFrom.empty()) {
        command += " <" + shellQuoted(stdinFrom);
    }
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TempFolder::read(out), TempFolder::read(err)};
}
#endif

} // namespace harvex2::test
