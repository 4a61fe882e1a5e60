#include "platform/posix/FileLock.h"
#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/RegFileParser.h"
#include "support/core/ChildProcess.h"
#include "support/core/GatedChildren.h"
#include "support/core/TempFolder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

constexpr const char* kKey = "\\Software\\Harvex\\Shared";

void writeNumbered(const std::string& path, const std::string& prefix, int count) {
    FileRegistryStore store(Hive::CurrentUser, path);
    for (int i = 0; i < count; ++i) {
        store.openKey(kKey, true);
        store.writeInteger(prefix + std::to_string(i), i);
        store.writeInteger("Last" + prefix, i);
    }
}

TEST(RegStoreConcurrency, TwoProcessesWritingAtOnceLoseNothing) {
    test::TempFolder folder;
    const std::string path = folder.file("config/user.reg");
    constexpr int kCount = 40;
    test::GatedChildren children;
    const pid_t first = children.start([&] { writeNumbered(path, "first", kCount); });
    const pid_t second = children.start([&] { writeNumbered(path, "second", kCount); });
    children.open();
    ASSERT_EQ(children.wait(first), 0);
    ASSERT_EQ(children.wait(second), 0);

    FileRegistryStore store(Hive::CurrentUser, path);
    ASSERT_TRUE(store.openKey(kKey, false));
    EXPECT_EQ(store.valueNames().size(), 2u * kCount + 2);
    for (const std::string prefix : {"first", "second"}) {
        SCOPED_TRACE(prefix);
        for (int i = 0; i < kCount; ++i) {
            ASSERT_EQ(store.readInteger(prefix + std::to_string(i)), i) << prefix;
        }
    }
}

TEST(RegStoreConcurrency, AWriterKilledMidSaveLeavesACleanConsistentFile) {
    test::TempFolder folder;
    const std::string path = folder.file("user.reg");
    test::GatedChildren children;
    const pid_t child = children.start([&] { writeNumbered(path, "n", 1000000); });
    children.open();
    FileRegistryStore watcher(Hive::CurrentUser, path);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(watcher.openKey(kKey, false) && watcher.valueNames().size() > 10) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(child, SIGKILL);
    ASSERT_EQ(children.wait(child), -1);

    const ParsedRegFile parsed =
        RegFileParser::parse(test::TempFolder::read(path), Hive::CurrentUser);
    EXPECT_FALSE(parsed.damaged);
    EXPECT_FALSE(std::filesystem::exists(path + ".damaged"));
    FileRegistryStore store(Hive::CurrentUser, path);
    ASSERT_TRUE(store.openKey(kKey, false));
    // Each value went in by its own save: every number up to the last is there, and at
    // most the one after it.
    const int last = store.readInteger("Lastn");
    for (int i = 0; i <= last; ++i) {
        ASSERT_EQ(store.readInteger("n" + std::to_string(i)), i);
    }
    EXPECT_LE(store.valueNames().size(), static_cast<std::size_t>(last) + 3);
    // The lock died with the writer.
    store.writeInteger("After", 1);
    EXPECT_EQ(store.readInteger("After"), 1);
}

// A copy of the program that stopped while it held the store's lock: writes wait a bounded
// time, then fail naming the file, the user is told once, and the store works again as soon
// as the lock is let go.
TEST(RegStoreConcurrency, ALockHeldByAnotherProcessStopsWritesOnlyForABoundedWait) {
    using namespace std::chrono_literals;
    test::TempFolder folder;
    const std::string path = folder.file("user.reg");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    auto holder = std::make_unique<test::ChildProcess>([&] {
        const FileLock lock(path + ".lock", 0ms);
        if (::write(ready[1], "L", 1) == 1) {
            ::sleep(30);
        }
    });
    char locked = 0;
    ASSERT_EQ(::read(ready[0], &locked, 1), 1);

    constexpr auto kWait = 1500ms;
    FileRegistryStore store(Hive::CurrentUser, path, kWait);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(store.openKey(kKey, true));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, kWait);
    EXPECT_LT(waited, kWait + 5s);
    // The program goes on without the file: later changes do not wait again.
    ASSERT_TRUE(store.openKey("\\", false));
    std::string failure;
    start = std::chrono::steady_clock::now();
    try {
        store.writeInteger("Files", 1);
    } catch (const RegistryError& error) {
        failure = error.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, kWait / 2);
    EXPECT_EQ(failure, "Failed to set data for 'Files'.\n" + path + ": locked by another program");
    const std::vector<std::string> notices = store.takeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Another program holds the lock on the settings file\n" + path +
                              "\nHarvex2 goes on without saving to it while the lock is held.");
    EXPECT_TRUE(store.takeNotices().empty());

    holder.reset();
    ASSERT_TRUE(store.openKey(kKey, true));
    store.writeInteger("Files", 2);
    EXPECT_EQ(store.readInteger("Files"), 2);
    ::close(ready[0]);
    ::close(ready[1]);
}

} // namespace
} // namespace harvex2::platform
