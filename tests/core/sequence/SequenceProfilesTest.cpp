#include "core/sequence/SequenceProfiles.h"

#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SequenceProfilesTest : public ::testing::Test {
protected:
    static SequenceFields gallery() {
        return {"http://h/g|.jpg", 3, "/home/me/pics", true, "4", false, "10", "x20", ""};
    }
    std::string profileKey(const std::string& name) const {
        return SequenceProfiles::kProfilesKey + "\\" + name;
    }

    test::TempFolder folder;
    platform::FileRegistryStore store{platform::Hive::CurrentUser, folder.file("user.reg")};
};

TEST_F(SequenceProfilesTest, StoresTheTenValuesInOrderWithTheirTypes) {
    SequenceProfiles::save(store, "Gallery", gallery());
    EXPECT_EQ(test::TempFolder::read(folder.file("user.reg")),
              "Windows Registry Editor Version 5.00\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\Seq\\Gallery]\r\n"
              "\"URL\"=\"http://h/g|.jpg\"\r\n"
              "\"CharDigit\"=dword:00000003\r\n"
              "\"DownloadDir\"=\"/home/me/pics\"\r\n"
              "\"Zeros\"=dword:00000001\r\n"
              "\"ZerosCount\"=\"4\"\r\n"
              "\"NV\"=dword:00000000\r\n"
              "\"Start\"=\"10\"\r\n"
              "\"End\"=\"x20\"\r\n"
              "\"Step\"=\"\"\r\n"
              "\"Glob\"=dword:00000000\r\n\r\n");
}

TEST_F(SequenceProfilesTest, LoadsWhatWasSavedLastUnderAName) {
    SequenceFields first = gallery();
    first.step = "2";
    SequenceProfiles::save(store, "Gallery", first);
    SequenceFields second = gallery();
    second.url = "ftp://x/|";
    second.nv = true;
    second.zeros = false;
    second.glob = true;
    SequenceProfiles::save(store, "gallery", second);

    SequenceFields loaded;
    ASSERT_TRUE(SequenceProfiles::load(store, "GALLERY", loaded));
    second.step = "1"; // an empty Step loads as 1
    EXPECT_EQ(loaded, second);
    EXPECT_THAT(SequenceProfiles::names(store), ElementsAre("Gallery"));
}

TEST_F(SequenceProfilesTest, AProfileWithoutGlobIsAMarkerProfile) {
    SequenceProfiles::save(store, "Old", gallery());
    ASSERT_TRUE(store.openKey(profileKey("Old"), false));
    ASSERT_TRUE(store.deleteValue("Glob"));
    store.closeKey();
    SequenceFields loaded;
    loaded.glob = true;
    ASSERT_TRUE(SequenceProfiles::load(store, "Old", loaded));
    EXPECT_FALSE(loaded.glob);
}

TEST_F(SequenceProfilesTest, NamesAreListedAndDeletedOneByOne) {
    EXPECT_THAT(SequenceProfiles::names(store), IsEmpty());
    EXPECT_FALSE(SequenceProfiles::remove(store, "Gallery"));
    for (const char* name : {"b", "a", "c"}) {
        SequenceProfiles::save(store, name, gallery());
    }
    EXPECT_THAT(SequenceProfiles::names(store), ElementsAre("a", "b", "c"));
    EXPECT_TRUE(SequenceProfiles::remove(store, "b"));
    EXPECT_FALSE(SequenceProfiles::remove(store, "b"));
    EXPECT_FALSE(SequenceProfiles::remove(store, ""));
    EXPECT_THAT(SequenceProfiles::names(store), ElementsAre("a", "c"));
}

TEST_F(SequenceProfilesTest, AMissingIntegerStopsTheLoadThere) {
    ASSERT_TRUE(store.openKey(profileKey("Part"), true));
    store.writeString("URL", "u|");
    store.writeInteger("CharDigit", 9);
    store.writeString("DownloadDir", "/d");
    store.writeString("NV", "yes");
    store.closeKey();

    SequenceFields fields;
    fields.zerosCount = "old";
    try {
        SequenceProfiles::load(store, "Part", fields);
        FAIL() << "loaded";
    } catch (const platform::RegistryError& failure) {
        EXPECT_STREQ(failure.what(), "Failed to get data for 'Zeros'");
    }
    // A write after the failed load must not land in the profile.
    EXPECT_THROW(store.writeInteger("Stray", 1), platform::RegistryError);
    EXPECT_EQ(fields.url, "u|");
    EXPECT_EQ(fields.marker(), std::nullopt);
    EXPECT_EQ(fields.downloadDir, "/d");
    EXPECT_EQ(fields.zerosCount, "old");

    store.openKey(profileKey("Part"), false);
    store.writeInteger("Zeros", 0);
    store.closeKey();
    EXPECT_THROW(
        {
            try {
                SequenceProfiles::load(store, "Part", fields);
            } catch (const platform::RegistryError& failure) {
                EXPECT_STREQ(failure.what(), "Invalid data type for 'NV'");
                throw;
            }
        },
        platform::RegistryError);
    EXPECT_FALSE(SequenceProfiles::load(store, "Missing", fields));
}

TEST_F(SequenceProfilesTest, NamesThatWouldMisplaceTheValuesAreRefused) {
    const std::string controls =
        "A profile name cannot contain line breaks, tabs or other control characters.";
    const std::pair<std::string, std::string> refused[] = {
        {"", "Please enter a name for the profile."},
        {"a\\b", "A profile name cannot contain \"\\\"."},
        {"a\nb", controls},
        {"a\x7f"
         "b",
         controls},
        {"bad\xff", "A profile name cannot contain bytes that are not UTF-8 text."},
    };
    for (const auto& [name, problem] : refused) {
        EXPECT_EQ(SequenceProfiles::nameProblem(name), problem) << name;
    }
    for (const char* odd : {"Gallery", " [x] \"quoted\" ", "a/b", "..", "caf\xc3\xa9"}) {
        SCOPED_TRACE(odd);
        EXPECT_EQ(SequenceProfiles::nameProblem(odd), std::nullopt) << odd;
        SequenceProfiles::save(store, odd, gallery());
        SequenceFields loaded;
        ASSERT_TRUE(SequenceProfiles::load(store, odd, loaded)) << odd;
        EXPECT_EQ(loaded.url, gallery().url);
    }
    EXPECT_EQ(SequenceProfiles::names(store).size(), 5u);
}

TEST_F(SequenceProfilesTest, AKeyTheStoreRefusesFailsTheFirstWrite) {
    try {
        SequenceProfiles::save(store, "bad\xff", gallery());
        FAIL() << "saved";
    } catch (const platform::RegistryError& failure) {
        EXPECT_STREQ(failure.what(), "Failed to set data for 'URL'");
    }
    EXPECT_THAT(SequenceProfiles::names(store), IsEmpty());
}

} // namespace
} // namespace harvex2::core
