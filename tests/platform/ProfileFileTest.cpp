#include "platform/ProfileFile.h"

#include "platform/ProfileFileText.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <optional>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

struct FindCase {
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

class ProfileFileFindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(ProfileFileFindTest, FindsTheValueOfAKeyInItsSection) {
    const FindCase& c = GetParam();
    EXPECT_EQ(ProfileFileText::find(c.text, c.section, c.key), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, ProfileFileFindTest,
    ::testing::Values(
        FindCase{"[A]\r\nk=v\r\n", "A", "k", "v"},
        FindCase{"[Settings]\r\nLocID=x\r\n", "settings", "LOCID", "x"},
        FindCase{"  [ A ]  \r\n  k  =  v w  \r\n", "A", "k", "v w"},
        FindCase{"[A]\nk=lf\n", "A", "k", "lf"}, FindCase{"[A]\rk=cr", "A", "k", "cr"},
        FindCase{"[A]\r\nk=\"quoted\"\r\n", "A", "k", "quoted"},
        FindCase{"[A]\r\nk='single'\r\n", "A", "k", "single"},
        FindCase{"[A]\r\nk='x\"\r\n", "A", "k", "'x\""},
        FindCase{"[A]\r\nk=a=b,c\r\n", "A", "k", "a=b,c"}, FindCase{"[A]\r\nk=\r\n", "A", "k", ""},
        FindCase{"[B]\r\nk=b\r\n[A]\r\nk=a\r\n", "A", "k", "a"},
        FindCase{"[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
        FindCase{"k=v\r\n[A]\r\n", "A", "k", std::nullopt},
        FindCase{"[A]\r\nother=v\r\n", "A", "k", std::nullopt},
        FindCase{"[AB]\r\nk=v\r\n", "A", "k", std::nullopt}, FindCase{"", "A", "k", std::nullopt}));

struct WriteCase {
    const char* before;
    const char* key;
    const char* after;
};

class ProfileFileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileFileWriteTest, PlacesTheKeyAndWritesCrlfLines) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(ProfileFileText::withValue(c.before, "S", c.key, "v"), c.after) << c.before;
}

INSTANTIATE_TEST_SUITE_P(
    Placements, ProfileFileWriteTest,
    ::testing::Values(WriteCase{"", "k", "[S]\r\nk=v\r\n"},
                      WriteCase{"[S]\r\na=1\r\nk=old\r\nb=2\r\n", "K",
                                "[S]\r\na=1\r\nk=v\r\nb=2\r\n"},
                      WriteCase{"[s]\r\na=1\r\n", "k", "[s]\r\na=1\r\nk=v\r\n"},
                      WriteCase{"[S]\r\na=1\r\n\r\n[T]\r\nx=2\r\n", "k",
                                "[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\nx=2\r\n"},
                      WriteCase{"[T]\r\nx=2\r\n", "k", "[T]\r\nx=2\r\n\r\n[S]\r\nk=v\r\n"},
                      WriteCase{"[T]\nx=2\n\n", "k", "[T]\r\nx=2\r\n\r\n[S]\r\nk=v\r\n"},
                      WriteCase{"; note\r\n[S]\r\n", "k", "; note\r\n[S]\r\nk=v\r\n"}));

class ProfileFileTest : public ::testing::Test {
protected:
    test::TempFolder folder_;
};

TEST_F(ProfileFileTest, CreatesAMissingFileButNeverAMissingFolder) {
    const ProfileFile file(folder_.file("job.nvj"));
    EXPECT_EQ(file.read("S", "k", "none"), "none");
    ASSERT_TRUE(file.write("S", "k", "1"));
    ASSERT_TRUE(file.write("T", "k", "2"));
    ASSERT_TRUE(file.write("S", "j", "3"));
    EXPECT_EQ(test::TempFolder::read(file.path()), "[S]\r\nk=1\r\nj=3\r\n\r\n[T]\r\nk=2\r\n");

    const ProfileFile nowhere(folder_.file("Jobs/job.nvj"));
    EXPECT_FALSE(nowhere.write("S", "k", "1"));
    EXPECT_FALSE(std::filesystem::exists(folder_.file("Jobs")));
}

TEST_F(ProfileFileTest, ReadsTheFileAfreshAndCutsLongValues) {
    const ProfileFile file(folder_.file("a.ini"));
    test::TempFolder::write(file.path(), "[S]\r\nk=first\r\n");
    EXPECT_EQ(file.read("S", "k"), "first");
    test::TempFolder::write(file.path(), "[S]\r\nk=" + std::string(3000, 'x') + "\r\n");
    EXPECT_EQ(file.read("S", "k"), std::string(2047, 'x'));
}

TEST_F(ProfileFileTest, AValueRewrittenShorterLeavesNoTailOfTheOldOne) {
    const ProfileFile file(folder_.file("a.ini"));
    ASSERT_TRUE(file.write("S", "k", "http://host/a/long/first/value.zip"));
    ASSERT_TRUE(file.write("S", "k", "v"));
    EXPECT_EQ(test::TempFolder::read(file.path()), "[S]\r\nk=v\r\n");
    EXPECT_EQ(file.read("S", "k"), "v");
}

TEST_F(ProfileFileTest, ValuesAreBytesAndLineBreaksAreRefused) {
    const ProfileFile file(folder_.file("a.ini"));
    const std::string bytes = "http://h/\xE9\xFF, \"q\" 'r';#";
    ASSERT_TRUE(file.write("S", "k", bytes));
    EXPECT_EQ(file.read("S", "k"), bytes);

    const std::string before = test::TempFolder::read(file.path());
    EXPECT_FALSE(file.write("S", "k", "a\r\nb=c"));
    EXPECT_FALSE(file.write("S", "k", "a\nb"));
    EXPECT_FALSE(file.write("S", "k", std::string("a\0b", 3)));
    EXPECT_FALSE(file.write("S", "", "v"));
    EXPECT_FALSE(file.write("S", "a=b", "v"));
    EXPECT_FALSE(file.write("S]x", "k", "v"));
    EXPECT_EQ(test::TempFolder::read(file.path()), before);
}

TEST_F(ProfileFileTest, OnlyAPlainFileIsReadOrWrittenAndLinksAreNeverFollowed) {
    const std::string victim = folder_.makeFile("victim.ini", "[S]\r\nk=victim\r\n");
    std::filesystem::create_directory(folder_.file("folder.ini"));
    std::filesystem::create_symlink(victim, folder_.file("link.ini"));
    std::filesystem::create_symlink(folder_.file("outside.ini"), folder_.file("dangling.ini"));
    ASSERT_EQ(::mkfifo(folder_.file("fifo.ini").c_str(), 0600), 0);

    for (const char* name : {"folder.ini", "link.ini", "dangling.ini", "fifo.ini"}) {
        SCOPED_TRACE(name);
        const ProfileFile file(folder_.file(name));
        EXPECT_EQ(file.read("S", "k", "d"), "d") << name;
        EXPECT_FALSE(file.write("S", "k", "v")) << name;
        EXPECT_EQ(file.create("S", "k", "v"), ProfileFile::Creation::Exists) << name;
    }
    EXPECT_EQ(test::TempFolder::read(victim), "[S]\r\nk=victim\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder_.file("outside.ini")));
}

TEST_F(ProfileFileTest, CreateMakesANewFileOnly) {
    const ProfileFile file(folder_.file("job.nvj"));
    EXPECT_EQ(file.create("S", "k", "1"), ProfileFile::Creation::Created);
    EXPECT_EQ(file.create("S", "k", "2"), ProfileFile::Creation::Exists);
    EXPECT_EQ(test::TempFolder::read(file.path()), "[S]\r\nk=1\r\n");
    EXPECT_EQ(ProfileFile(folder_.file("Jobs/job.nvj")).create("S", "k", "1"),
              ProfileFile::Creation::Failed);
    EXPECT_EQ(ProfileFile(folder_.file("new.nvj")).create("S", "k", "a\nb"),
              ProfileFile::Creation::Failed);
    EXPECT_FALSE(std::filesystem::exists(folder_.file("new.nvj")));
}

TEST_F(ProfileFileTest, NamesCountWithoutTheirBlanksAndAKeyCannotStartASection) {
    const ProfileFile file(folder_.file("a.ini"));
    ASSERT_TRUE(file.write(" S ", " k ", "1"));
    ASSERT_TRUE(file.write("S", "k", "2"));
    EXPECT_EQ(test::TempFolder::read(file.path()), "[S]\r\nk=2\r\n");
    EXPECT_EQ(file.read(" s", "K "), "2");

    EXPECT_FALSE(file.write("S", "[T", "v"));
    EXPECT_FALSE(file.write("S", " \t[T]", "v"));
    EXPECT_FALSE(file.write("S", " ", "v"));
    EXPECT_EQ(test::TempFolder::read(file.path()), "[S]\r\nk=2\r\n");
}

} // namespace
} // namespace harvex2::platform
