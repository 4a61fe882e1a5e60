#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <optional>

#include <gtest/gtest.h>

namespace harvex2::platform {
namespace {

constexpr const char* kKey = "\\Software\\Harvex";

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kSection = "[HKEY_CURRENT_USER\\Software\\Harvex]\r\n";

struct DamageCase {
    const char* label;
    std::optional<std::string> bytes; // none: no file
    bool damaged;
    int values; // how many of "A" = 1, "B" = "two" and "C" = 3 survive
};

class RegStoreDamageTest : public ::testing::TestWithParam<DamageCase> {
protected:
    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
};

// Keeps every value it can read, and the first write keeps a damaged file aside before it
// writes a clean one.
TEST_P(RegStoreDamageTest, LoadsWhatItCanAndKeepsADamagedFileAside) {
    const DamageCase& c = GetParam();
    if (c.bytes) {
        test::TempFolder::write(path_, *c.bytes);
    }
    FileRegistryStore s(Hive::CurrentUser, path_);
    const bool opened = s.openKey(kKey, false);
    const int found = opened ? static_cast<int>(s.valueNames().size()) : 0;
    EXPECT_EQ(found, c.values);
    if (found >= 1) {
        EXPECT_EQ(s.readInteger("A"), 1);
    }
    if (found >= 2) {
        EXPECT_EQ(s.readString("B"), "two");
    }

    ASSERT_TRUE(s.openKey(kKey, true));
    s.writeInteger("New", 7);
    const std::string damagedCopy = path_ + ".damaged";
    ASSERT_EQ(std::filesystem::exists(damagedCopy), c.damaged);
    if (c.damaged) {
        EXPECT_EQ(test::TempFolder::read(damagedCopy), *c.bytes);
    }
    FileRegistryStore reader(Hive::CurrentUser, path_);
    ASSERT_TRUE(reader.openKey(kKey, false));
    EXPECT_EQ(reader.valueNames().size(), static_cast<std::size_t>(c.values + 1));
}

const std::string kWhole = kHeader + kSection + "\"A\"=dword:00000001\r\n\"B\"=\"two\"\r\n" +
                           "\"C\"=hex(1):33,00,00,00\r\n\r\n";

std::string deepKeyLine(int depth) {
    std::string line = "[HKEY_CURRENT_USER";
    for (int i = 0; i < depth; ++i) {
        line += "\\a";
    }
    return line + "]\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Files, RegStoreDamageTest,
    ::testing::Values(
        DamageCase{"Missing", std::nullopt, false, 0}, DamageCase{"Empty", "", false, 0},
        DamageCase{"HeaderOnly", kHeader, false, 0}, DamageCase{"Whole", kWhole, false, 3},
        DamageCase{"CutInAString", kWhole.substr(0, kWhole.find("two") + 2), true, 1},
        DamageCase{"CutInADword", kWhole.substr(0, kWhole.find("0001")), true, 0},
        DamageCase{"CutInAHexList", kWhole.substr(0, kWhole.find("00,00\r")), true, 2},
        DamageCase{"CutInAKeyLine", kHeader + "[HKEY_CURRENT_USER\\Soft", true, 0},
        DamageCase{"CutAfterAContinuation",
                   kHeader + kSection + "\"A\"=dword:00000001\r\n\"X\"=hex:41,\\\r\n", true, 1},
        DamageCase{"NoHeader", kWhole.substr(kHeader.size()), true, 3},
        DamageCase{"Garbage", std::string("\x00\x13\xFF garbage\n", 12) + kWhole + "}{ junk", true,
                   3},
        DamageCase{"ValuesOfABrokenSectionStayOut",
                   kWhole + "[HKEY_CURRENT_USER\\Software\\Harvex\r\n\"D\"=dword:00000004\r\n",
                   true, 3},
        DamageCase{"OtherHive",
                   kWhole + "[HKEY_LOCAL_MACHINE\\Software\\Harvex]\r\n\"D\"=dword:00000004\r\n",
                   true, 3},
        DamageCase{"NestedTooDeep", kWhole + deepKeyLine(30000) + "\"D\"=dword:00000004\r\n", true,
                   3},
        DamageCase{"UnknownType", kWhole + kSection + "\"D\"=hex(7):00,00\r\n", true, 3}),
    [](const auto& testCase) { return std::string(testCase.param.label); });

TEST(RegStoreDamageKeeping, KeepsTheNewestDamagedFile) {
    test::TempFolder folder;
    const std::string path = folder.file("user.reg");
    FileRegistryStore s(Hive::CurrentUser, path);
    for (const std::string garbage : {"first garbage", "second garbage"}) {
        SCOPED_TRACE(garbage);
        test::TempFolder::write(path, garbage);
        ASSERT_TRUE(s.openKey(kKey, true));
        EXPECT_EQ(test::TempFolder::read(path + ".damaged"), garbage);
    }
}

} // namespace
} // namespace harvex2::platform
