#include "support/core/TempFolder.h"

#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#ifdef HARVEX2_CLI_BINARY

namespace harvex2 {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
};

// Runs the built program in `folder` with exactly these arguments, no shell in between,
// so that names beginning with "-" reach it as they are typed.
Outcome runIn(const test::TempFolder& folder, const std::vector<std::string>& args) {
    const std::string out = folder.file("stdout");
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(HARVEX2_CLI_BINARY)};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0 || dup2(fd, STDOUT_FILENO) < 0 || chdir(folder.path().c_str()) != 0) {
            _exit(127);
        }
        execv(HARVEX2_CLI_BINARY, argv.data());
        _exit(127);
    }
    int raw = 0;
    if (child < 0 || waitpid(child, &raw, 0) != child) {
        return {};
    }
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::TempFolder::read(out)};
}

TEST(CliFileNamesLikeOptions, EverythingAfterTwoDashesIsAFileEvenIfItLooksLikeAnOption) {
    test::TempFolder folder;
    folder.makeFile("-p.htm", R"(<a href="from -p.htm">)");
    folder.makeFile("--", R"(<a href="from --">)");
    folder.makeFile("-", R"(<a href="from -">)");

    const Outcome run = runIn(folder, {"extract", "--", "-p.htm", "--", "-"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "from -p.htm\nfrom --\nfrom -\n");

    // Before the two dashes the same name is an option the command does not know.
    const Outcome refused = runIn(folder, {"extract", "-p.htm"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
}

} // namespace
} // namespace harvex2

#endif
