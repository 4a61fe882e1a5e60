#include "platform/posix/FileRegistryStore.h"

#include "platform/ChangeGroup.h"
#include "platform/KeyHandle.h"
#include "support/core/ChildProcess.h"
#include "support/core/TempFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

using ::testing::ElementsAre;

class FileRegistryStoreTest : public ::testing::Test {
protected:
    std::string storePath() const { return folder_.file("user.reg"); }
    FileRegistryStore store() const { return FileRegistryStore(Hive::CurrentUser, storePath()); }

    test::TempFolder folder_;
};

TEST_F(FileRegistryStoreTest, WrittenValuesAreReadBackByAnotherInstance) {
    auto writer = store();
    ASSERT_TRUE(writer.openKey("\\Software\\Quillfern Software\\Harvex\\Settings", true));
    writer.writeInteger("Mode", 2);
    writer.writeBool("IgnoreMailTo", true);
    writer.writeString("LastRunVersion", "1.42");

    auto reader = store();
    ASSERT_TRUE(reader.openKey("\\Software\\Quillfern Software\\Harvex\\Settings", false));
    EXPECT_EQ(reader.readInteger("Mode"), 2);
    EXPECT_TRUE(reader.readBool("IgnoreMailTo"));
    EXPECT_EQ(reader.readString("LastRunVersion"), "1.42");
    EXPECT_THAT(reader.valueNames(), ElementsAre("Mode", "IgnoreMailTo", "LastRunVersion"));
}

TEST_F(FileRegistryStoreTest, NamesIgnoreCaseAndKeepTheCaseFirstWritten) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\Software\\Harvex", true));
    s.writeInteger("TidyUp", 1);
    s.writeInteger("TIDYUP", 2);
    ASSERT_TRUE(s.openKey("\\SOFTWARE\\harvex", false));
    EXPECT_EQ(s.readInteger("tidyup"), 2);
    EXPECT_THAT(s.valueNames(), ElementsAre("TidyUp"));
    ASSERT_TRUE(s.openKey("\\software", false));
    EXPECT_THAT(s.subkeyNames(), ElementsAre("Harvex"));
}

TEST_F(FileRegistryStoreTest, RelativePathsStartAtTheKeyOpenedLast) {
    auto s = store();
    EXPECT_TRUE(s.openKey("Software", true)); // from the root while no key is open
    EXPECT_TRUE(s.openKey("Harvex\\MRU", true));
    EXPECT_TRUE(s.keyExists("\\Software\\Harvex\\MRU"));
    EXPECT_TRUE(s.openKey("Seq", true));
    EXPECT_TRUE(s.keyExists("\\Software\\Harvex\\MRU\\Seq"));
    EXPECT_TRUE(s.keyExists("\\Software\\Harvex\\MRU\\Seq\\"));
    EXPECT_FALSE(s.keyExists("Seq"));
}

TEST_F(FileRegistryStoreTest, OpenExistingFailsOnAMissingKeyAndKeepsTheCurrentKey) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\A", true));
    s.writeInteger("x", 1);
    EXPECT_FALSE(s.openKey("\\B", false));
    EXPECT_FALSE(s.keyExists("\\B"));
    EXPECT_EQ(s.readInteger("x"), 1);
}

TEST_F(FileRegistryStoreTest, ReadFailuresCarryTheProgramsTexts) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeString("Text", "abc");
    s.writeInteger("Number", 5);

    const auto message = [&](auto read) {
        try {
            read();
        } catch (const RegistryError& e) {
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(message([&] { s.readInteger("Missing"); }), "Failed to get data for 'Missing'");
    EXPECT_EQ(message([&] { s.readInteger("Text"); }), "Invalid data type for 'Text'");
    EXPECT_EQ(message([&] { s.readString("Number"); }), "Invalid data type for 'Number'");
    EXPECT_EQ(s.readString("Missing"), "");

    s.closeKey();
    EXPECT_EQ(message([&] { s.readInteger("Number"); }), "Failed to get data for 'Number'");
    EXPECT_EQ(message([&] { s.writeInteger("Number", 1); }), "Failed to set data for 'Number'");
    EXPECT_EQ(message([&] { s.writeString("Line\nBreak", ""); }),
              "Failed to set data for 'Line\nBreak'");
    EXPECT_EQ(s.readString("Text"), "");
}

TEST_F(FileRegistryStoreTest, TryReadsAnswerNothingWhereTheReadsFail) {
    auto s = store();
    EXPECT_EQ(s.tryReadInteger("Number"), std::nullopt);
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeString("Text", "abc");
    s.writeString("Empty", "");
    s.writeInteger("Number", -5);

    EXPECT_EQ(s.tryReadInteger("Number"), -5);
    EXPECT_EQ(s.tryReadInteger("Text"), std::nullopt);
    EXPECT_EQ(s.tryReadInteger("Missing"), std::nullopt);
    EXPECT_EQ(s.tryReadString("Text"), "abc");
    EXPECT_EQ(s.tryReadString("Empty"), "");
    EXPECT_EQ(s.tryReadString("Number"), std::nullopt);
    EXPECT_EQ(s.tryReadString("Missing"), std::nullopt);
}

TEST_F(FileRegistryStoreTest, AKeyHandleLeavesNoKeyOpenHoweverItsScopeEnds) {
    auto s = store();
    const auto writesLand = [&s] {
        try {
            s.writeInteger("Stray", 1);
            return true;
        } catch (const RegistryError&) {
            return false;
        }
    };
    {
        KeyHandle key(s);
        ASSERT_TRUE(key.open("\\A", true));
        EXPECT_FALSE(key.open("\\Missing", false));
        key.create("\\B");
        EXPECT_TRUE(writesLand());
    }
    EXPECT_FALSE(writesLand());
    try {
        KeyHandle key(s);
        key.create("\\A");
        throw std::runtime_error("left");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(writesLand());
    {
        KeyHandle key(s);
        try {
            key.create("\\A\\Bad\nName");
            FAIL() << "created";
        } catch (const RegistryError& failure) {
            EXPECT_STREQ(failure.what(), "Failed to set data for '\\A\\Bad\nName'");
        }
    }
    auto reader = store();
    EXPECT_TRUE(reader.keyExists("\\B"));
    EXPECT_FALSE(reader.valueExists("Stray")) << "no key is current in a new store";
    ASSERT_TRUE(reader.openKey("\\B", false));
    EXPECT_EQ(reader.readInteger("Stray"), 1);
}

TEST_F(FileRegistryStoreTest, DeletingAKeyTakesEverythingBelowIt) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\Software\\Harvex\\MRU\\Main\\Dir", true));
    s.writeInteger("MRUSize", 1);
    ASSERT_TRUE(s.openKey("\\Software\\Harvex\\Settings", true));
    s.writeInteger("Mode", 1);

    EXPECT_FALSE(s.deleteKey("\\Software\\Harvex\\Missing"));
    EXPECT_FALSE(s.deleteKey("\\"));
    ASSERT_TRUE(s.openKey("\\Software\\Harvex", false));
    EXPECT_TRUE(s.deleteKey("mru"));
    EXPECT_FALSE(s.keyExists("\\Software\\Harvex\\MRU\\Main"));
    EXPECT_THAT(s.subkeyNames(), ElementsAre("Settings"));
    EXPECT_TRUE(s.keyExists("Settings"));
}

TEST_F(FileRegistryStoreTest, AKeyDeletedWhileOpenTakesNoMoreValues) {
    auto s = store();
    auto other = store();
    ASSERT_TRUE(s.openKey("\\Software\\Harvex", true));
    s.writeInteger("x", 1);
    ASSERT_TRUE(other.deleteKey("\\Software\\Harvex"));
    EXPECT_THROW(s.writeInteger("x", 2), RegistryError);
    EXPECT_FALSE(s.valueExists("x"));
    EXPECT_FALSE(other.keyExists("\\Software\\Harvex"));
}

TEST_F(FileRegistryStoreTest, ValuesCanBeDeletedOneByOne) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeInteger("a", 1);
    s.writeString("b", "2");
    EXPECT_TRUE(s.deleteValue("A"));
    EXPECT_FALSE(s.deleteValue("a"));
    EXPECT_FALSE(s.valueExists("a"));
    EXPECT_TRUE(s.valueExists("B"));
    s.closeKey();
    EXPECT_FALSE(s.deleteValue("b"));
}

// A change that changes nothing leaves the disk alone: no folder, no file, no lock file
// where there was none, and an existing file is not replaced.
TEST_F(FileRegistryStoreTest, AChangeThatChangesNothingDoesNotTouchTheFile) {
    const std::string folder = folder_.file("config");
    FileRegistryStore fresh(Hive::CurrentUser, folder + "/user.reg");
    EXPECT_FALSE(fresh.deleteKey("\\Software\\Missing"));
    EXPECT_FALSE(fresh.openKey("\\Software", false));
    EXPECT_FALSE(fresh.deleteValue("Missing"));
    EXPECT_FALSE(std::filesystem::exists(folder));

    auto s = store();
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeInteger("a", 1);
    struct stat written {};
    ASSERT_EQ(::stat(storePath().c_str(), &written), 0);
    EXPECT_FALSE(s.deleteKey("\\K\\Missing"));
    EXPECT_FALSE(s.deleteValue("b"));
    s.writeInteger("a", 1);
    struct stat after {};
    ASSERT_EQ(::stat(storePath().c_str(), &after), 0);
    // The store replaces its file by a new one, so any write gives it a new inode.
    EXPECT_EQ(after.st_ino, written.st_ino);
    EXPECT_EQ(test::TempFolder::read(storePath()),
              "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n"
              "\"a\"=dword:00000001\r\n\r\n");
}

TEST_F(FileRegistryStoreTest, ReadsSeeWhatAnotherCopyWroteMeanwhile) {
    auto reader = store();
    auto writer = store();
    ASSERT_TRUE(writer.openKey("\\K", true));
    ASSERT_TRUE(reader.openKey("\\K", false));
    EXPECT_FALSE(reader.valueExists("Files"));
    for (int files = 1; files <= 3; ++files) {
        writer.writeInteger("Files", files);
        EXPECT_EQ(reader.readInteger("Files"), files);
    }
}

TEST_F(FileRegistryStoreTest, MakesTheMissingFolderButReportsAStoreItCannotWrite) {
    FileRegistryStore nested(Hive::LocalMachine, folder_.file("a/b/machine.reg"));
    ASSERT_TRUE(nested.openKey("\\K", true));
    nested.writeInteger("x", 1);
    EXPECT_EQ(test::TempFolder::read(folder_.file("a/b/machine.reg")).substr(0, 36),
              "Windows Registry Editor Version 5.00");

    test::TempFolder::write(folder_.file("file"), "not a folder");
    FileRegistryStore blocked(Hive::CurrentUser, folder_.file("file/user.reg"));
    EXPECT_FALSE(blocked.openKey("\\K", true));
    ASSERT_TRUE(blocked.openKey("\\", false));
    try {
        blocked.writeString("Name", "x");
        FAIL() << "no failure";
    } catch (const RegistryError& e) {
        EXPECT_EQ(e.what(), "Failed to set data for 'Name'.\n" + folder_.file("file/user.reg") +
                                ": Not a directory");
    }
}

// A save of many values is one write: another copy sees none of them before the group ends
// and all of them after.
TEST_F(FileRegistryStoreTest, AGroupOfChangesReachesTheFileAtOnce) {
    auto s = store();
    auto other = store();
    {
        ChangeGroup changes(s);
        ASSERT_TRUE(s.openKey("\\K", true));
        s.writeInteger("a", 1);
        s.writeString("b", "2");
        EXPECT_EQ(s.readInteger("a"), 1);
        EXPECT_FALSE(other.keyExists("\\K"));
        changes.commit();
    }
    ASSERT_TRUE(other.openKey("\\K", false));
    EXPECT_THAT(other.valueNames(), ElementsAre("a", "b"));
}

// The write at the end of a group fails as its first change would have.
TEST_F(FileRegistryStoreTest, AGroupThatCannotBeWrittenIsNamedAfterItsFirstChange) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\K", true));
    EXPECT_TRUE(test::ChildProcess::succeedsWithin(std::chrono::seconds(10), [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ChangeGroup changes(s);
        s.writeString("First", "x");
        s.writeString("Big", std::string(8192, 'x'));
        try {
            changes.commit();
        } catch (const RegistryError& error) {
            if (error.what() ==
                "Failed to set data for 'First'.\n" + storePath() + ": File too large") {
                return;
            }
        }
        throw std::logic_error("no such failure");
    }));
    auto reader = store();
    ASSERT_TRUE(reader.openKey("\\K", false));
    EXPECT_FALSE(reader.valueExists("First"));
}

TEST(FileRegistryStoreFolder, FollowsTheEnvironment) {
    const auto withEnvironment = [](const char* own, const char* xdg, const char* home) {
        for (const auto& [name, value] :
             {std::pair{"HARVEX2_CONFIG_DIR", own}, std::pair{"XDG_CONFIG_HOME", xdg},
              std::pair{"HOME", home}}) {
            value ? ::setenv(name, value, 1) : ::unsetenv(name);
        }
        return FileRegistryStore::defaultPath(Hive::CurrentUser);
    };
    const char* own = std::getenv("HARVEX2_CONFIG_DIR");
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string saved[] = {own ? own : "", xdg ? xdg : "", home ? home : ""};

    EXPECT_EQ(withEnvironment("/p", "/x", "/h"), "/p/user.reg");
    EXPECT_EQ(withEnvironment("", "/x", "/h"), "/x/harvex2/user.reg");
    EXPECT_EQ(withEnvironment(nullptr, nullptr, "/h"), "/h/.config/harvex2/user.reg");
    EXPECT_EQ(FileRegistryStore::defaultPath(Hive::LocalMachine), "/h/.config/harvex2/machine.reg");

    withEnvironment(own ? saved[0].c_str() : nullptr, xdg ? saved[1].c_str() : nullptr,
                    home ? saved[2].c_str() : nullptr);
}

} // namespace
} // namespace harvex2::platform
