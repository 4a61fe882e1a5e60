#include "platform/posix/AppendOnlyFile.h"

#include "support/core/GatedChildren.h"
#include "support/core/TempFolder.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

constexpr std::chrono::milliseconds kWait{3000};

// A line long enough that a write split in two would show.
std::string lineOf(char writer, int number) {
    return std::string(1, writer) + std::to_string(number) + std::string(200, writer);
}

TEST(AppendOnlyFile, TwoProcessesAppendingAtOnceLeaveOnlyWholeLines) {
    test::TempFolder folder;
    const std::string path = folder.file("sent");
    constexpr int kLines = 10000;
    test::GatedChildren children;
    std::vector<pid_t> writers;
    for (const char writer : {'a', 'b'}) {
        writers.push_back(children.start([&, writer] {
            AppendOnlyFile file(path, path + ".lock", kWait, "\t");
            for (int i = 0; i < kLines; ++i) {
                file.appendLine(lineOf(writer, i));
            }
        }));
    }
    children.open();
    for (const pid_t writer : writers) {
        ASSERT_EQ(children.wait(writer), 0);
    }
    std::istringstream lines(test::TempFolder::read(path));
    int next[2] = {0, 0};
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const int writer = line.front() == 'a' ? 0 : 1;
        ASSERT_EQ(line, lineOf(line.front(), next[writer]));
        ++next[writer];
    }
    EXPECT_EQ(count, 2 * kLines);
}

TEST(AppendOnlyFile, ALineLeftUnendedIsEndedBeforeTheNextOne) {
    test::TempFolder folder;
    const std::string path = folder.makeFile("sent", "whole\ntorn");
    AppendOnlyFile file(path, path + ".lock", kWait, "\t");
    file.appendLine("next");
    file.appendLine("last");
    EXPECT_EQ(test::TempFolder::read(path), "whole\ntorn\t\nnext\nlast\n");
}

} // namespace
} // namespace harvex2::platform
