#include "platform/posix/SpawnLauncher.h"

#include "platform/posix/ErrorLineTail.h"

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

using namespace std::chrono_literals;

// Runs shell lines (sh is only the program under test here) through a launcher and waits
// for every end.
class Runs {
public:
    std::vector<ProcessEnd> run(const std::vector<std::string>& scripts,
                                ProcessLimits limits = {}) {
        std::vector<std::vector<std::string>> commands;
        for (const std::string& script : scripts) {
            commands.push_back({"sh", "-c", script});
        }
        return runWords(commands, limits);
    }
    std::vector<ProcessEnd> runWords(const std::vector<std::vector<std::string>>& commands,
                                     ProcessLimits limits = {}) {
        std::vector<ProcessEnd> ends(commands.size());
        std::vector<ProcessJob> jobs;
        for (std::size_t i = 0; i < commands.size(); ++i) {
            jobs.push_back({commands[i],
                            [this] {
                                const std::lock_guard lock(mutex_);
                                maxRunning_ = std::max(maxRunning_, ++running_);
                            },
                            [this, &ends, i](const ProcessEnd& end) {
                                const std::lock_guard lock(mutex_);
                                ends[i] = end;
                                --running_;
                                ++ended_;
                                changed_.notify_all();
                            }});
        }
        const std::size_t target = ended_ + jobs.size();
        launcher_.add(std::move(jobs), limits);
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return ended_ == target; });
        return ends;
    }
    std::size_t maxRunning() const { return maxRunning_; }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t running_ = 0;
    std::size_t maxRunning_ = 0;
    std::size_t ended_ = 0;
    SpawnLauncher launcher_;
};

TEST(ErrorLineTailTest, KeepsTheLastLineWithTextCleanedForDisplay) {
    const struct {
        std::string written;
        std::string line;
    } cases[] = {
        {"", ""},
        {"first\nsecond\n\n  \n", "second"},
        {"10%\r50%\r100%\rfailed: 404\r\n", "failed: 404"},
        {"done\npartial", "partial"},
        {"\x1b[1;31mERROR:\x1b[0m\tbad\x07 \x1b]0;title\x07x\x1b]8;;u\x1b\\y\x1b(B\n",
         "ERROR: bad xy"},
        {std::string(5000, 'a') + "\n", std::string(ErrorLineTail::kMaxBytes, 'a')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written.substr(0, 40));
        ErrorLineTail tail;
        // Byte by byte: a line or an escape sequence may arrive in pieces.
        for (const char byte : c.written) {
            tail.feed(std::string_view(&byte, 1));
        }
        EXPECT_EQ(tail.lastLine(), c.line);
    }
}

TEST(SpawnLauncherTest, TellsEachEndWithItsStatusAndLastErrorLine) {
    Runs runs;
    const auto ends = runs.run({
        "exit 0",
        "printf 'Connecting\\r\\033[31mERROR 404: Not Found.\\033[0m\\n' >&2; exit 8",
        "kill -TERM $$",
        "echo output only; exit 2",
    });
    EXPECT_TRUE(ends[0].succeeded());
    EXPECT_EQ(ends[1].kind, ProcessEnd::Kind::Exited);
    EXPECT_EQ(ends[1].code, 8);
    EXPECT_EQ(ends[1].lastLine, "ERROR 404: Not Found.");
    EXPECT_EQ(ends[2].kind, ProcessEnd::Kind::Signalled);
    EXPECT_EQ(ends[2].code, SIGTERM);
    EXPECT_EQ(ends[3].code, 2);
    EXPECT_EQ(ends[3].lastLine, "");
}

TEST(SpawnLauncherTest, MegabytesOfErrorOutputKeepOnlyTheBoundedLastLine) {
    Runs runs;
    // 16 MB in one line, then the line that matters.
    const auto ends = runs.run({"head -c 16777216 /dev/zero | tr '\\0' x >&2; "
                                "echo >&2; echo 'last words' >&2; exit 1"});
    EXPECT_EQ(ends[0].lastLine, "last words");
    const auto endless = runs.run({"head -c 16777216 /dev/zero | tr '\\0' y >&2; exit 1"});
    EXPECT_EQ(endless[0].lastLine, std::string(ErrorLineTail::kMaxBytes, 'y'));
}

TEST(SpawnLauncherTest, RunsNoMoreThanTheLimitAtOnceAndAllInTheEnd) {
    Runs runs;
    const auto ends = runs.run(std::vector<std::string>(9, "sleep 0.05"), {3, std::nullopt});
    EXPECT_EQ(runs.maxRunning(), 3u);
    for (const ProcessEnd& end : ends) {
        EXPECT_TRUE(end.succeeded());
    }
}

TEST(SpawnLauncherTest, AChildGetsEmptyInputAndNoOpenFileOfTheProgram) {
    const int leaked = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(leaked, 0);
    Runs runs;
    const std::string fd = std::to_string(leaked);
    const auto ends = runs.run({"test -e /proc/self/fd/" + fd +
                                " && echo inherited >&2 && exit 1; "
                                "read line; test $? -ne 0"});
    ::close(leaked);
    EXPECT_TRUE(ends[0].succeeded()) << ends[0].lastLine;
}

TEST(SpawnLauncherTest, ATimeOutOrStoppingEndsTheChildAndWhatItStarted) {
    Runs runs;
    const auto ends = runs.run({"sleep 60 & sleep 60"}, {4, 50ms});
    EXPECT_EQ(ends[0].kind, ProcessEnd::Kind::TimedOut);

    SpawnLauncher launcher;
    std::vector<ProcessEnd::Kind> kinds;
    std::vector<ProcessJob> jobs;
    for (int i = 0; i < 3; ++i) {
        jobs.push_back(
            {{"sleep", "60"}, {}, [&kinds](const ProcessEnd& end) { kinds.push_back(end.kind); }});
    }
    launcher.add(std::move(jobs), {1, std::nullopt});
    EXPECT_EQ(launcher.pending(), 3u);
    launcher.stopAll();
    EXPECT_EQ(kinds, std::vector<ProcessEnd::Kind>(3, ProcessEnd::Kind::Stopped));
    EXPECT_EQ(launcher.pending(), 0u);
}

TEST(SpawnLauncherTest, FindsProgramsAsTheyWouldStart) {
    const SpawnLauncher launcher;
    EXPECT_TRUE(launcher.find("sh").has_value());
    EXPECT_EQ(launcher.find("/bin/sh"), "/bin/sh");
    EXPECT_FALSE(launcher.find("harvex2-no-such-program").has_value());
    EXPECT_FALSE(launcher.find("/nonexistent/sh").has_value());
    EXPECT_FALSE(launcher.find("/etc/passwd").has_value());

    Runs runs;
    const auto ends = runs.runWords({{"/nonexistent/sh"}});
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_EQ(ends[0].kind, ProcessEnd::Kind::NotStarted);
    EXPECT_NE(ends[0].lastLine.find("/nonexistent/sh"), std::string::npos);
}

} // namespace
} // namespace harvex2::platform
