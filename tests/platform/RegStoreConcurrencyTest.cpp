#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/RegFileParser.h"
#include "support/core/GatedChildren.h"
#include "support/core/TempFolder.h"

#include <chrono>
#include <csignal>
#include <filesystem>
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

} // namespace
} // namespace harvex2::platform
