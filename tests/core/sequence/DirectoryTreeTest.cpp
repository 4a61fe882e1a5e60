#include "core/sequence/DirectoryTree.h"

#include "support/core/TempFolder.h"
#include "support/core/TreeFolders.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::TreeFolders;

class DirectoryTreeTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"dl/pics", "dl/Music", "dl/apps", "dl/.cache", "other"}) {
            fs::create_directories(temp.file(folder));
        }
        temp.makeFile("dl/notes.txt");
        fs::create_directory_symlink(temp.file("other"), temp.file("dl/linked"));
    }

    // Each line as its name, "+" for the way down and "-" for a folder inside, below
    // the temporary folder.
    std::vector<std::string> lines(const DirectoryTree& tree) const {
        std::vector<std::string> shown;
        for (const DirectoryEntry& entry : tree.entries()) {
            if (entry.path.size() > temp.path().size()) {
                shown.push_back((entry.opened ? "+" : "-") + entry.name);
            }
        }
        return shown;
    }

    TempFolder temp;
    TreeFolders folders{temp.file("dl")};
};

TEST_F(DirectoryTreeTest, ShowsTheWayDownThenTheFoldersInsideSorted) {
    const DirectoryTree tree(folders);
    EXPECT_EQ(tree.current(), temp.file("dl"));
    // Files and hidden folders are left out; a link to a folder is a folder.
    EXPECT_EQ(lines(tree),
              (std::vector<std::string>{"+dl", "-apps", "-linked", "-Music", "-pics"}));
    EXPECT_EQ(tree.entries().front().path, "/");
    EXPECT_EQ(tree.entries().front().name, "/");
    EXPECT_TRUE(tree.entries()[tree.currentRow()].opened);
    EXPECT_EQ(tree.entries()[tree.currentRow()].path, temp.file("dl"));
    EXPECT_EQ(tree.entries()[tree.currentRow() + 1].depth,
              tree.entries()[tree.currentRow()].depth + 1);
}

// Letters in either case together, names equal but for case by their bytes, and names
// beginning with a byte above 0x7F (UTF-8) after every ASCII name, whatever the locale.
TEST_F(DirectoryTreeTest, FoldersSortIgnoringAsciiCaseWithUtf8NamesLast) {
    for (const char* folder : {"dl/\xc3\x9c"
                               "ber",
                               "dl/Zeta", "dl/apps2", "dl/APPS", "dl/_x"}) {
        fs::create_directories(temp.file(folder));
    }
    const DirectoryTree tree(folders);
    EXPECT_EQ(lines(tree), (std::vector<std::string>{"+dl", "-_x", "-APPS", "-apps", "-apps2",
                                                     "-linked", "-Music", "-pics", "-Zeta",
                                                     "-\xc3\x9c"
                                                     "ber"}));
}

TEST_F(DirectoryTreeTest, OpeningALineMakesItTheCurrentDirectory) {
    DirectoryTree tree(folders);
    tree.openRow(tree.currentRow() + 4); // pics
    EXPECT_EQ(tree.current(), temp.file("dl/pics"));
    EXPECT_EQ(lines(tree), (std::vector<std::string>{"+dl", "+pics"}));
    tree.openRow(tree.currentRow() - 2); // up to the temporary folder
    EXPECT_EQ(tree.current(), temp.path());
    EXPECT_EQ(lines(tree), (std::vector<std::string>{"-dl", "-other"}));
    tree.openRow(0);
    EXPECT_EQ(tree.current(), "/");
    EXPECT_EQ(tree.currentRow(), 0u);
}

TEST_F(DirectoryTreeTest, ADirectoryThatHasGoneGivesWayToTheNearestAboveIt) {
    DirectoryTree tree(folders);
    fs::create_directories(temp.file("dl/pics/2024/jan"));
    tree.open(temp.file("dl/pics/2024/jan"));
    fs::remove_all(temp.file("dl/pics"));
    EXPECT_FALSE(tree.currentExists());
    tree.reread();
    EXPECT_EQ(tree.current(), temp.file("dl"));
    EXPECT_EQ(lines(tree), (std::vector<std::string>{"+dl", "-apps", "-linked", "-Music"}));

    // A folder listed a moment ago and removed before it is opened.
    fs::remove(temp.file("dl/apps"));
    tree.openRow(tree.currentRow() + 1);
    EXPECT_EQ(tree.current(), temp.file("dl"));
    EXPECT_EQ(lines(tree), (std::vector<std::string>{"+dl", "-linked", "-Music"}));

    // A file is no directory to open either.
    tree.open(temp.file("dl/notes.txt"));
    EXPECT_EQ(tree.current(), temp.file("dl"));
}

TEST_F(DirectoryTreeTest, EachVolumeRemembersTheDirectoryLastShownOnIt) {
    folders.volumes_ = {{"/", "vda"}, {temp.path(), "Temp"}, {temp.file("dl/pics"), "Card"}};
    DirectoryTree tree(folders);
    EXPECT_EQ(tree.currentVolume(), 1u);
    tree.open(temp.file("dl/pics"));
    EXPECT_EQ(tree.currentVolume(), 2u);
    tree.open(temp.file("other"));
    EXPECT_EQ(tree.currentVolume(), 1u);

    tree.openVolume(2);
    EXPECT_EQ(tree.current(), temp.file("dl/pics"));
    tree.openVolume(1);
    EXPECT_EQ(tree.current(), temp.file("other"));
    tree.openVolume(0); // never shown: its root
    EXPECT_EQ(tree.current(), "/");
    EXPECT_EQ(tree.currentVolume(), 0u);

    // A remembered directory that has gone since: the nearest one above it.
    fs::remove_all(temp.file("other"));
    tree.openVolume(1);
    EXPECT_EQ(tree.current(), temp.path());
}

} // namespace
} // namespace harvex2::core
