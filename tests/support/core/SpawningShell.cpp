#include "support/core/SpawningShell.h"

#include "platform/CommandWords.h"

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace harvex2::test {

SpawningShell::~SpawningShell() {
    for (const pid_t child : children_) {
        ::kill(child, SIGTERM);
        ::waitpid(child, nullptr, 0);
    }
}

bool SpawningShell::open(const std::string&, platform::ShowMode) {
    return false;
}

bool SpawningShell::startCommand(const std::string& commandLine) {
    started.push_back(commandLine);
    const auto words = platform::CommandWords::split(commandLine);
    return words && startProgram(*words);
}

bool SpawningShell::startProgram(const std::vector<std::string>& words) {
    if (words.empty()) {
        return false;
    }
    std::vector<std::string> copies = words;
    std::vector<char*> arguments;
    for (std::string& word : copies) {
        arguments.push_back(word.data());
    }
    arguments.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, arguments.front(), nullptr, nullptr, arguments.data(), environ) !=
        0) {
        return false;
    }
    children_.push_back(child);
    return true;
}

} // namespace harvex2::test
