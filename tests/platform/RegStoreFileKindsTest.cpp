#include "platform/posix/FileRegistryStore.h"
#include "platform/posix/RegFileStorage.h"
#include "support/core/ChildProcess.h"
#include "support/core/TempFolder.h"

#include <csignal>
#include <filesystem>
#include <iterator>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* kKey = "\\Software\\Harvex";

std::string failureText(const std::function<void()>& write) {
    try {
        write();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "no failure";
}

void check(bool holds) {
    if (!holds) {
        throw std::logic_error("check failed");
    }
}

// What stands where the store expects its file, other than a plain file.
class RegStoreFileKindsTest : public ::testing::Test {
protected:
    FileRegistryStore store() const { return FileRegistryStore(Hive::CurrentUser, path_); }
    std::string storedText(const std::string& path) const {
        FileRegistryStore reader(Hive::CurrentUser, path);
        return reader.openKey(kKey, false) ? reader.readString("Name") : "<no key>";
    }

    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
};

// Opening a FIFO for reading waits for a writer: the start-up must not, and the FIFO counts
// as a damaged file that the first write keeps aside.
TEST_F(RegStoreFileKindsTest, AFifoReadsAsAnEmptyDamagedFileWithoutWaiting) {
    ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
    ASSERT_TRUE(test::ChildProcess::succeedsWithin(10s, [&] {
        auto s = store();
        check(!s.openKey(kKey, false));
        check(s.openKey(kKey, true));
        s.writeString("Name", "x");
    }));

    EXPECT_TRUE(fs::is_regular_file(path_));
    EXPECT_EQ(storedText(path_), "x");
    EXPECT_TRUE(fs::is_fifo(path_ + ".damaged"));
}

// A folder in place of the file reads as empty; a save says which file and why.
TEST_F(RegStoreFileKindsTest, AFailedSaveNamesTheFileAndTheSystemsReason) {
    fs::create_directory(path_);
    auto s = store();
    EXPECT_FALSE(s.openKey(kKey, false));
    ASSERT_TRUE(s.openKey("\\", false));
    EXPECT_EQ(failureText([&] { s.writeString("LastRunVersion", "1.42"); }),
              "Failed to set data for 'LastRunVersion'.\n" + path_ + ": Is a directory");

    // A full disk, as a file size limit makes one for this process alone.
    const std::string full = folder_.file("full/user.reg");
    EXPECT_TRUE(test::ChildProcess::succeedsWithin(10s, [&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        FileRegistryStore small(Hive::CurrentUser, full);
        check(small.openKey(kKey, true));
        check(failureText([&] { small.writeString("Name", std::string(8192, 'x')); }) ==
              "Failed to set data for 'Name'.\n" + full + ": File too large");
    }));
    EXPECT_EQ(storedText(full), "");
}

// Dotfile managers keep the settings file as a link into a folder of their own: the link
// stays, and the file it points to is replaced, in its own folder.
TEST_F(RegStoreFileKindsTest, AWriteGoesThroughALinkToTheFileItPointsTo) {
    const std::string kept = folder_.makeFile("dotfiles/harvex2/user.reg");
    fs::create_symlink("dotfiles/harvex2/user.reg", folder_.file("hop"));
    fs::create_symlink("hop", path_);
    auto s = store();
    ASSERT_TRUE(s.openKey(kKey, true));
    s.writeString("Name", "linked");

    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_TRUE(fs::is_symlink(folder_.file("hop")));
    EXPECT_EQ(storedText(kept), "linked");
    const fs::path keptFolder = fs::path(kept).parent_path();
    EXPECT_EQ(std::distance(fs::directory_iterator(keptFolder), fs::directory_iterator()), 1);

    // A link whose file is not there yet makes it, and its folder.
    const std::string fresh = folder_.file("elsewhere/new/user.reg");
    fs::remove(path_);
    fs::create_symlink(fresh, path_);
    ASSERT_TRUE(s.openKey(kKey, true));
    s.writeString("Name", "made");
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(storedText(fresh), "made");
}

// A link to a FIFO or a device (say /dev/null) is never followed by a write: the link is kept
// aside as damaged and a plain file takes its place.
TEST_F(RegStoreFileKindsTest, ALinkToSomethingButAFileIsReplacedItself) {
    const std::string fifo = folder_.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink(fifo, path_);
    ASSERT_TRUE(test::ChildProcess::succeedsWithin(10s, [&] {
        auto s = store();
        check(s.openKey(kKey, true));
        s.writeString("Name", "x");
    }));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path_)));
    EXPECT_EQ(storedText(path_), "x");
    EXPECT_EQ(fs::read_symlink(path_ + ".damaged"), fifo);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// A file past the limit is neither read nor written, and the user is told once.
TEST_F(RegStoreFileKindsTest, AFileOverTheSizeLimitIsLeftAsItIs) {
    test::TempFolder::write(path_, "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER"
                                   "\\Software\\Harvex]\r\n\"Name\"=\"big\"\r\n");
    fs::resize_file(path_, RegFileStorage::kMaxFileSize + 1);
    auto s = store();
    EXPECT_FALSE(s.openKey(kKey, false));
    EXPECT_THAT(s.takeNotices(),
                ElementsAre("The settings file\n" + path_ +
                            "\nis larger than 64 MB. Harvex2 goes on with its default settings "
                            "and leaves the file as it is."));
    ASSERT_TRUE(s.openKey("\\", false));
    EXPECT_EQ(failureText([&] { s.writeInteger("Files", 1); }),
              "Failed to set data for 'Files'.\n" + path_ + ": larger than 64 MB");
    EXPECT_THAT(s.takeNotices(), IsEmpty());
    EXPECT_EQ(fs::file_size(path_), RegFileStorage::kMaxFileSize + 1);
    EXPECT_FALSE(fs::exists(path_ + ".damaged"));

    fs::resize_file(path_, RegFileStorage::kMaxFileSize);
    EXPECT_TRUE(s.openKey(kKey, false));
}

} // namespace
} // namespace harvex2::platform
