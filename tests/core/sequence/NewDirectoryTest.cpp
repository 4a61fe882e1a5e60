#include "core/sequence/NewDirectory.h"

#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"
#include "support/core/TreeFolders.h"

#include <filesystem>
#include <unistd.h>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;
using platform::FailureKind;

class NewDirectoryTest : public testing::Test {
protected:
    void expectFailure(const std::string& path) {
        prompts.expectFailure(FailureKind::Folder,
                              "Could not create new directory \"" + path + "\"");
    }

    test::TempFolder temp;
    test::TreeFolders folders{temp.path()};
    test::ScriptedPrompts prompts;
};

TEST_F(NewDirectoryTest, MakesTheFolderInsideTheDirectory) {
    EXPECT_TRUE(NewDirectory::create(folders, prompts, temp.path(), "pics"));
    EXPECT_TRUE(fs::is_directory(temp.file("pics")));
    EXPECT_TRUE(NewDirectory::create(folders, prompts, temp.path() + "/", "/more"));
    EXPECT_TRUE(fs::is_directory(temp.file("more")));
}

TEST_F(NewDirectoryTest, TellsWhichPathCouldNotBeMade) {
    fs::create_directory(temp.file("pics"));
    temp.makeFile("notes");
    expectFailure(temp.file("pics")); // exists already
    EXPECT_FALSE(NewDirectory::create(folders, prompts, temp.path(), "pics"));
    expectFailure(temp.file("notes")); // a file of that name
    EXPECT_FALSE(NewDirectory::create(folders, prompts, temp.path(), "notes"));
    expectFailure(temp.file("a/b")); // one level only
    EXPECT_FALSE(NewDirectory::create(folders, prompts, temp.path(), "a/b"));
    EXPECT_FALSE(fs::exists(temp.file("a")));
    expectFailure(temp.path() + "/"); // no name: the directory itself
    EXPECT_FALSE(NewDirectory::create(folders, prompts, temp.path(), ""));
}

TEST_F(NewDirectoryTest, AReadOnlyDirectoryRefusesTheNewFolder) {
    fs::create_directory(temp.file("locked"));
    fs::permissions(temp.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(temp.file("locked").c_str(), W_OK) == 0) {
        GTEST_SKIP() << "the file system lets this user write anywhere";
    }
    expectFailure(temp.file("locked/pics"));
    EXPECT_FALSE(NewDirectory::create(folders, prompts, temp.file("locked"), "pics"));
}

} // namespace
} // namespace harvex2::core
