#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

using ::testing::ElementsAre;

class RegFileFormatTest : public ::testing::Test {
protected:
    FileRegistryStore store(Hive hive = Hive::CurrentUser) const {
        return FileRegistryStore(hive, path_);
    }
    std::string fileText() const { return test::TempFolder::read(path_); }
    void setFileText(const std::string& text) const { test::TempFolder::write(path_, text); }

    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
};

TEST_F(RegFileFormatTest, WritesTheExportFormatWithOnlyTheKeysThatHoldSomething) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\Software\\Quillfern Software\\Harvex", true));
    s.writeString("LastRunVersion", "1.42");
    ASSERT_TRUE(s.openKey("Settings", true));
    s.writeBool("IgnoreMailTo", true);
    s.writeInteger("Files", 1234567);
    s.writeInteger("Mode", -2);
    s.writeString("Quote", "C:\\Program Files\\\"Harvex\"\\");
    s.writeString("", "default");
    ASSERT_TRUE(s.openKey("\\Software\\Quillfern Software\\Harvex\\MRU\\Main\\BaseURL", true));

    EXPECT_EQ(fileText(), "Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex]\r\n"
                          "\"LastRunVersion\"=\"1.42\"\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\MRU\\Main\\"
                          "BaseURL]\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\Settings]\r\n"
                          "\"IgnoreMailTo\"=dword:00000001\r\n"
                          "\"Files\"=dword:0012d687\r\n"
                          "\"Mode\"=dword:fffffffe\r\n"
                          "\"Quote\"=\"C:\\\\Program Files\\\\\\\"Harvex\\\"\\\\\"\r\n"
                          "@=\"default\"\r\n"
                          "\r\n");
}

TEST_F(RegFileFormatTest, WritesTextTheQuotedFormCannotCarryAsHex) {
    auto s = store(Hive::LocalMachine);
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeString("Lines", "a\r\nb");
    s.writeString("Latin1", "caf\xE9");
    s.writeString("Utf8", "caf\xC3\xA9");
    s.writeString("Tab", "a\tb");

    EXPECT_EQ(fileText(), "Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_LOCAL_MACHINE\\K]\r\n"
                          "\"Lines\"=hex(1):61,00,0d,00,0a,00,62,00,00,00\r\n"
                          "\"Latin1\"=hex:63,61,66,e9\r\n"
                          "\"Utf8\"=\"caf\xC3\xA9\"\r\n"
                          "\"Tab\"=hex(1):61,00,09,00,62,00,00,00\r\n"
                          "\r\n");
}

TEST_F(RegFileFormatTest, WrapsLongHexListsBeforeTheEightiethColumn) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeString("Bytes", std::string(40, '\xFF'));

    const std::string row =
        "ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,";
    EXPECT_EQ(fileText(), "Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\K]\r\n"
                          "\"Bytes\"=hex:" +
                              row.substr(0, 22 * 3) +
                              "\\\r\n"
                              "  " +
                              row.substr(0, 17 * 3) +
                              "ff\r\n"
                              "\r\n");
}

// One character more in the name and the last piece with its backslash ends exactly on
// the 80th column, which is still allowed.
TEST_F(RegFileFormatTest, AHexLineMayEndExactlyOnTheEightiethColumn) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\K", true));
    s.writeString("Bytes1", std::string(23, '\xFF'));

    const std::string firstLine = "\"Bytes1\"=hex:ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,ff,"
                                  "ff,ff,ff,ff,ff,ff,ff,\\";
    ASSERT_EQ(firstLine.size(), 80u);
    EXPECT_EQ(fileText(), "Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\K]\r\n" +
                              firstLine +
                              "\r\n"
                              "  ff\r\n"
                              "\r\n");
}

TEST_F(RegFileFormatTest, AnEmptiedHiveLeavesTheHeaderOnly) {
    auto s = store();
    ASSERT_TRUE(s.openKey("\\Software\\Harvex", true));
    s.writeInteger("x", 1);
    ASSERT_TRUE(s.deleteKey("\\Software"));
    EXPECT_EQ(fileText(), "Windows Registry Editor Version 5.00\r\n\r\n");
}

TEST_F(RegFileFormatTest, ReadsFilesFromTheOtherPlatformAndByHand) {
    const std::string handWritten =
        "Windows Registry Editor Version 5.00\n"
        "\n"
        "; settings carried over\n"
        "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\Settings]\n"
        "\"Mode\" = dword:00000002\n"
        "\"Path\"=hex(2):43,00,3a,00,\\\n"
        "    5c,00,00,00\n"
        "[hkey_current_user\\SOFTWARE\\Other]\n"
        "@=\"x\"\n";
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::string utf16 = [&] {
        std::string out = "\xFF\xFE";
        for (const char c : handWritten) {
            out += c;
            out += '\0';
        }
        return out;
    }();
    for (const Case& c : {Case{"LF", handWritten}, Case{"UTF-8 BOM", "\xEF\xBB\xBF" + handWritten},
                          Case{"UTF-16", utf16}}) {
        SCOPED_TRACE(c.name);
        setFileText(c.bytes);
        auto s = store();
        ASSERT_TRUE(s.openKey("\\Software\\Quillfern Software\\Harvex\\Settings", false));
        EXPECT_EQ(s.readInteger("mode"), 2);
        EXPECT_EQ(s.readString("Path"), "C:\\");
        ASSERT_TRUE(s.openKey("\\Software", false));
        EXPECT_THAT(s.subkeyNames(), ElementsAre("Other", "Quillfern Software"));
        ASSERT_TRUE(s.openKey("Other", false));
        EXPECT_EQ(s.readString(""), "x");
    }
}

// Continuation lines hold hex digits only, so a list whose last line still ends in "\" was cut
// off: the section or value on the next line is read for itself, not swallowed into the list.
TEST_F(RegFileFormatTest, AHexListCutOffEndsAtTheNextSectionOrValue) {
    setFileText("Windows Registry Editor Version 5.00\r\n\r\n"
                "[HKEY_CURRENT_USER\\Software\\Harvex]\r\n"
                "\"Cut\"=hex:41,42,\\\r\n"
                "[HKEY_CURRENT_USER\\Software\\Harvex\\Settings]\r\n"
                "\"Mode\"=dword:00000002\r\n"
                "\"AlsoCut\"=hex(1):41,00,\\\r\n"
                "@=\"default\"\r\n"
                "\"Whole\"=hex:41,\\\r\n"
                "  42\r\n");
    auto s = store();
    ASSERT_TRUE(s.openKey("\\Software\\Harvex\\Settings", false));
    EXPECT_THAT(s.valueNames(), ElementsAre("Mode", "", "Whole"));
    EXPECT_EQ(s.readInteger("Mode"), 2);
    EXPECT_EQ(s.readString(""), "default");
    EXPECT_EQ(s.readString("Whole"), "AB");
    ASSERT_TRUE(s.openKey("\\Software\\Harvex", false));
    EXPECT_TRUE(s.valueNames().empty());

    // The cut-off lists make the file damaged: it is kept aside before the first write.
    s.writeInteger("New", 1);
    EXPECT_TRUE(std::filesystem::exists(path_ + ".damaged"));
}

} // namespace
} // namespace harvex2::platform
