#include "platform/posix/ReplacingFile.h"

#include "platform/IoError.h"
#include "support/core/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

// The code of the failure `save` throws, or 0 once it saved.
int save(const std::string& path, const std::string& bytes) {
    try {
        ReplacingFile out(path);
        out.write(bytes);
        out.commit();
    } catch (const IoError& error) {
        return error.code();
    }
    return 0;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Small writes are gathered and large ones go straight to the file: either way the bytes
// come out in the order written.
TEST(ReplacingFile, WritesOfEverySizeKeepTheirOrder) {
    TempFolder folder;
    const std::string path = folder.file("list.nva");
    const std::string parts[] = {"head", std::string(100'000, 'a'), std::string(70'000, 'b'),
                                 "c",    std::string(65'536, 'd'),  "tail"};
    std::string whole;
    ReplacingFile out(path);
    for (const std::string& part : parts) {
        out.write(part);
        whole += part;
    }
    out.commit();
    EXPECT_EQ(TempFolder::read(path), whole);
}

TEST(ReplacingFile, OnlyARegularFileOfOneNameIsReplacedAndLinksAreWrittenThrough) {
    TempFolder folder;
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string real = folder.makeFile("real.nva", "old");
    fs::create_symlink("real.nva", folder.file("link.nva"));
    fs::create_symlink("link.nva", folder.file("chain.nva"));
    fs::create_symlink(fifo, folder.file("to-fifo"));
    fs::create_symlink("/dev/null", folder.file("to-null"));
    fs::create_symlink("missing.nva", folder.file("dangling.nva"));
    const std::string twice = folder.makeFile("twice.nva", "shared");
    fs::create_hard_link(twice, folder.file("other-name.nva"));
    const std::pair<std::string, int> rows[] = {
        {fifo, IoError::kNotRegularFile},
        {folder.file("to-fifo"), IoError::kNotRegularFile},
        {folder.file("to-null"), IoError::kNotRegularFile},
        {folder.file("dangling.nva"), IoError::kDanglingLink},
        {twice, IoError::kHardLinked},
        {folder.path(), EISDIR},
        {folder.file("link.nva"), 0},
        {folder.file("chain.nva"), 0},
    };
    for (const auto& [path, code] : rows) {
        SCOPED_TRACE(path);
        EXPECT_EQ(save(path, "new " + path), code);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(folder.file("dangling.nva")));
    EXPECT_FALSE(fs::exists(folder.file("missing.nva")));
    EXPECT_EQ(TempFolder::read(folder.file("other-name.nva")), "shared");
    EXPECT_EQ(fs::hard_link_count(twice), 2u);
    EXPECT_TRUE(fs::is_symlink(folder.file("link.nva")));
    EXPECT_TRUE(fs::is_symlink(folder.file("chain.nva")));
    EXPECT_EQ(TempFolder::read(real), "new " + folder.file("chain.nva"));
    EXPECT_EQ(
        namesIn(folder.path()),
        (std::vector<std::string>{"chain.nva", "dangling.nva", "fifo", "link.nva", "other-name.nva",
                                  "real.nva", "to-fifo", "to-null", "twice.nva"}));
}

// Root saving another user's file leaves it that user's; anyone keeps the group they gave it.
TEST(ReplacingFile, AReplacedFileKeepsItsOwnerAndGroup) {
    TempFolder folder;
    const std::string path = folder.makeFile("owned.txt", "old");
    uid_t owner = ::getuid();
    gid_t group = ::getgid();
    if (::geteuid() == 0) {
        owner = 65534;
        group = 65534;
    } else {
        std::vector<gid_t> groups(static_cast<std::size_t>(::getgroups(0, nullptr)));
        ::getgroups(static_cast<int>(groups.size()), groups.data());
        const auto other =
            std::find_if(groups.begin(), groups.end(), [](gid_t id) { return id != ::getegid(); });
        if (other == groups.end()) {
            GTEST_SKIP() << "no second group to give the file";
        }
        group = *other;
    }
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
    ASSERT_EQ(save(path, "new"), 0);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
    EXPECT_EQ(TempFolder::read(path), "new");
}

TEST(ReplacingFile, TheTemporaryFileBearsTheProcessIdAndOnlyDeadWritersLeftoversGo) {
    TempFolder folder;
    const std::string target = folder.makeFile("list.nva", "old");
    const pid_t dead = ::fork();
    if (dead == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    const std::string deadsFile = target + "." + std::to_string(dead) + ".tmp";
    const std::string livingsFile = target + "." + std::to_string(::getppid()) + ".tmp";
    TempFolder::write(deadsFile, "left by a crash");
    TempFolder::write(livingsFile, "being written");

    ReplacingFile out(target);
    EXPECT_TRUE(fs::exists(target + "." + std::to_string(::getpid()) + ".tmp"));
    EXPECT_FALSE(fs::exists(deadsFile));
    out.write("new");
    out.commit();
    EXPECT_EQ(TempFolder::read(target), "new");
    EXPECT_EQ(TempFolder::read(livingsFile), "being written");
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"list.nva", fs::path(livingsFile).filename().string()}));
}

} // namespace
} // namespace harvex2::platform
