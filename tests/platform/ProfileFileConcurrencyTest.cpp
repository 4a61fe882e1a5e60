#include "platform/ProfileFile.h"
#include "support/core/GatedChildren.h"
#include "support/core/TempFolder.h"

#include <fcntl.h>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

void writeKeys(const std::string& path, const std::string& prefix, int count) {
    const ProfileFile file(path);
    for (int i = 0; i < count; ++i) {
        if (!file.write("S", prefix + std::to_string(i), std::to_string(i))) {
            throw std::runtime_error("write refused");
        }
    }
}

// Another program adding lines to the end of the file, one at a time, each under the
// file's record lock.
void appendLines(const std::string& path, int count) {
    for (int i = 0; i < count; ++i) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
        struct flock range {};
        range.l_type = F_WRLCK;
        const std::string line = "added" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
        if (fd < 0 || ::fcntl(fd, F_SETLKW, &range) != 0 ||
            ::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
            throw std::runtime_error("append failed");
        }
        ::close(fd);
    }
}

// Every key line `prefix`N=N for N below `count` is in `section`, which starts at the line
// "[section]" and ends before the next header.
void expectKeys(const std::string& bytes, const std::string& section, const std::string& prefix,
                int count) {
    std::istringstream lines(bytes);
    std::set<std::string> keys;
    bool inside = false;
    for (std::string line; std::getline(lines, line);) {
        line.pop_back(); // "\r"
        if (line.starts_with("[")) {
            inside = line == "[" + section + "]";
        } else if (inside) {
            keys.insert(line);
        }
    }
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(keys.count(prefix + std::to_string(i) + "=" + std::to_string(i)))
            << prefix << i;
    }
}

TEST(ProfileFileConcurrency, TwoWritersOnOneFileKeepEveryKey) {
    test::TempFolder folder;
    const std::string path = folder.file("job.nvj");
    constexpr int kCount = 150;
    test::GatedChildren children;
    const pid_t first = children.start([&] { writeKeys(path, "first", kCount); });
    const pid_t second = children.start([&] { writeKeys(path, "second", kCount); });
    children.open();
    ASSERT_EQ(children.wait(first), 0);
    ASSERT_EQ(children.wait(second), 0);

    const std::string bytes = test::TempFolder::read(path);
    expectKeys(bytes, "S", "first", kCount);
    expectKeys(bytes, "S", "second", kCount);
}

TEST(ProfileFileConcurrency, LinesAnotherProgramAddsMeanwhileAreKept) {
    test::TempFolder folder;
    const std::string path = folder.makeFile("job.nvj", "[S]\r\nfirst=x\r\n\r\n[Tail]\r\n");
    constexpr int kLines = 2000;
    constexpr int kKeys = 300;
    test::GatedChildren children;
    const pid_t appender = children.start([&] { appendLines(path, kLines); });
    const pid_t writer = children.start([&] { writeKeys(path, "key", kKeys); });
    children.open();
    ASSERT_EQ(children.wait(appender), 0);
    ASSERT_EQ(children.wait(writer), 0);

    const std::string bytes = test::TempFolder::read(path);
    expectKeys(bytes, "Tail", "added", kLines);
    expectKeys(bytes, "S", "key", kKeys);
}

} // namespace
} // namespace harvex2::platform
