#include "platform/posix/FileRegistryStore.h"

#include "TempFolder.h"

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

} // namespace
} // namespace harvex2::platform
