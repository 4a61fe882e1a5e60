#include "core/sequence/DirectoryPath.h"

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

TEST(DirectoryPath, NewFolderPathHasOneSeparatorBetweenDirectoryAndName) {
    const struct {
        const char* createIn;
        const char* name;
        const char* path;
    } cases[] = {
        {"/dl", "pics", "/dl/pics"},
        {"/dl", "/pics", "/dl/pics"}, // one leading separator of the name dropped
        {"/", "pics", "/pics"},       // no doubled separator at the root
        {"/", "/pics", "/pics"},
        {"/dl/", "pics", "/dl/pics"},
        {"/dl", "//pics", "/dl//pics"}, // only one is dropped
        {"/dl", "", "/dl/"},            // the directory itself, which exists
        {"/", "", "/"},
        {"/dl", "a/b", "/dl/a/b"},
        {"/dl", "\\pics", "/dl/\\pics"}, // a backslash is part of a name here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.createIn) + " + " + c.name);
        EXPECT_EQ(DirectoryPath::newDirectory(c.createIn, c.name), c.path)
            << c.createIn << " + " << c.name;
    }
}

TEST(DirectoryPath, StepsUpAndDownStopAtTheRoot) {
    using Chain = std::vector<std::string>;
    EXPECT_EQ(DirectoryPath::chain("/"), Chain{"/"});
    EXPECT_EQ(DirectoryPath::chain("/home/ann"), (Chain{"/", "/home", "/home/ann"}));
    EXPECT_EQ(DirectoryPath::name("/"), "/");
    EXPECT_EQ(DirectoryPath::parent("/home"), "/");
    EXPECT_EQ(DirectoryPath::normalised("//"), "/");
    EXPECT_EQ(DirectoryPath::normalised("/home//ann/"), "/home/ann");
    EXPECT_TRUE(DirectoryPath::isWithin("/home/ann", "/home"));
    EXPECT_TRUE(DirectoryPath::isWithin("/home", "/"));
    EXPECT_FALSE(DirectoryPath::isWithin("/homework", "/home"));
}

} // namespace
} // namespace harvex2::core
