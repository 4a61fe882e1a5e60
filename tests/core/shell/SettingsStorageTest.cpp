#include "core/shell/SettingsStorage.h"

#include "core/handoff/Aria2Endpoints.h"
#include "core/shell/MruHistory.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/ChildProcess.h"
#include "support/core/TempFolder.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>

#include <gtest/gtest.h>

namespace harvex2::core {

void PrintTo(const SettingsRecord& r, std::ostream* out) {
    *out << "{mailTo " << r.ignoreMailTo << ", bookmarks " << r.ignoreBookmarks << ", qLinks "
         << r.qLinks << ", files " << r.files << ", mode " << static_cast<int>(r.mode)
         << ", remember " << r.remember << ", acas " << r.acas << ", position " << r.position.left
         << ',' << r.position.top << ',' << r.position.width << ',' << r.position.height
         << ", tidyUp " << r.tidyUp << ", nvdde " << r.nvdde << ", nvJobDefault " << r.nvJobDefault
         << ", realiFast " << r.realiFast << '}';
}

namespace {

using platform::Hive;
using platform::RegistryStore;

const std::string kSettings = std::string(kHarvexRootKey) + "\\Settings";
const std::string kPosition = std::string(kHarvexRootKey) + "\\Position";

// Every value away from its default, so that a value read shows.
const SettingsRecord kStored{.ignoreMailTo = false,
                             .ignoreBookmarks = false,
                             .qLinks = false,
                             .files = 9,
                             .mode = core::TargetProgram::NetVampire3,
                             .remember = true,
                             .acas = false,
                             .position = {1, 2, 3, 4},
                             .tidyUp = 2,
                             .nvdde = true,
                             .nvJobDefault = 7,
                             .realiFast = true};

class SettingsStorageTest : public ::testing::Test {
protected:
    std::string fileText() const { return test::TempFolder::read(path_); }

    // Reads through a store of its own, so that only what reached the file counts.
    std::int32_t storedInteger(const std::string& key, const std::string& name) const {
        platform::FileRegistryStore reader(Hive::CurrentUser, path_);
        EXPECT_TRUE(reader.openKey(key, false)) << key;
        return reader.readInteger(name);
    }
    bool storedValueExists(const std::string& key, const std::string& name) const {
        platform::FileRegistryStore reader(Hive::CurrentUser, path_);
        return reader.openKey(key, false) && reader.valueExists(name);
    }

    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
    platform::FileRegistryStore store_{Hive::CurrentUser, path_};
    SettingsStorage storage_{store_};
};

TEST_F(SettingsStorageTest, EmptyStoreGivesDefaultsAndLeavesTheWindowWhereItIs) {
    const WindowRect here{10, 20, 300, 400};
    const SettingsRecord loaded = storage_.LoadSettings(here);

    EXPECT_TRUE(loaded.ignoreMailTo);
    EXPECT_TRUE(loaded.ignoreBookmarks);
    EXPECT_TRUE(loaded.qLinks);
    EXPECT_TRUE(loaded.remember);
    EXPECT_TRUE(loaded.acas);
    EXPECT_EQ(loaded.files, 0);
    EXPECT_EQ(loaded.mode, core::TargetProgram::NetVampire);
    EXPECT_EQ(loaded.tidyUp, 0);
    EXPECT_EQ(loaded.nvJobDefault, 0);
    EXPECT_FALSE(loaded.nvdde);
    EXPECT_FALSE(loaded.realiFast);
    EXPECT_EQ(loaded.position, here);
    EXPECT_EQ(WindowRect{}, (WindowRect{197, 184, 376, 411}));
    // Loading only reads: the first save creates the keys.
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(SettingsStorageTest, WritesTheLayoutByteForByte) {
    SettingsRecord record = kStored;
    record.mode = core::TargetProgram::ReGet;
    storage_.SaveSettings(record, {-8, 30, 640, 480}, "1,42");

    EXPECT_EQ(fileText(), "Windows Registry Editor Version 5.00\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex]\r\n"
                          "\"LastRunVersion\"=\"1,42\"\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\Position]\r\n"
                          "\"Left\"=dword:fffffff8\r\n"
                          "\"Top\"=dword:0000001e\r\n"
                          "\"Height\"=dword:000001e0\r\n"
                          "\"Width\"=dword:00000280\r\n"
                          "\"TidyUp\"=dword:00000002\r\n"
                          "\"NVDDE\"=dword:00000001\r\n"
                          "\"NVJobDefault\"=dword:00000007\r\n"
                          "\"RealiFast\"=dword:00000001\r\n"
                          "\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\Settings]\r\n"
                          "\"IgnoreMailTo\"=dword:00000000\r\n"
                          "\"IgnoreBookmarks\"=dword:00000000\r\n"
                          "\"QLinks\"=dword:00000000\r\n"
                          "\"Files\"=dword:00000009\r\n"
                          "\"Mode\"=dword:00000001\r\n"
                          "\"Remember\"=dword:00000001\r\n"
                          "\"ACAS\"=dword:00000000\r\n"
                          "\"Aria2URL\"=\"http://127.0.0.1:6800/jsonrpc\"\r\n"
                          "\"Aria2Secret\"=\"\"\r\n"
                          "\"Aria2Endpoints\"=\"\"\r\n"
                          "\"Aria2Endpoint\"=\"aria2\"\r\n"
                          "\"CommandTemplate\"=\"\"\r\n"
                          "\"CommandJobs\"=dword:00000004\r\n"
                          "\"CommandTimeout\"=dword:00000000\r\n"
                          "\"FollowHours\"=dword:00000018\r\n"
                          "\"QuickScan\"=dword:00000000\r\n"
                          "\"IgnoreScriptLinks\"=dword:00000001\r\n"
                          "\"MediaSources\"=dword:00000000\r\n"
                          "\"ResolvePageLinks\"=dword:00000001\r\n"
                          "\"SkipSent\"=dword:00000000\r\n"
                          "\"RoutesPreset\"=\"\"\r\n"
                          "\"IgnoreTracking\"=dword:00000000\r\n"
                          "\"NameMask\"=\"\"\r\n"
                          "\"Referrer\"=dword:00000001\r\n"
                          "\"ReferrerText\"=\"\"\r\n"
                          "\r\n");
}

TEST_F(SettingsStorageTest, Aria2ValuesLoadBackAndAnOlderStoreKeepsTheRest) {
    SettingsRecord record = kStored;
    record.aria2Url = "http://10.0.0.2:6801/jsonrpc";
    record.aria2Secret = "s3cret";
    storage_.SaveSettings(record, record.position, "1.42");
    EXPECT_EQ(storage_.LoadSettings({}), record);
    EXPECT_EQ(std::filesystem::status(path_).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    ASSERT_TRUE(store_.openKey(kSettings, false));
    ASSERT_TRUE(store_.deleteValue("Aria2URL"));
    ASSERT_TRUE(store_.deleteValue("Aria2Secret"));
    store_.closeKey();
    EXPECT_EQ(storage_.LoadSettings({}), kStored);
}

// The single address of older versions becomes the endpoint "aria2"; the list keeps what a
// newer version stored beside the fields known here.
TEST_F(SettingsStorageTest, TheOldAria2AddressBecomesAnEndpointAndUnknownFieldsSurvive) {
    ASSERT_TRUE(store_.openKey(kSettings, true));
    store_.writeString("Aria2URL", "http://10.0.0.2:6801/jsonrpc");
    store_.writeString("Aria2Secret", "s3cret");
    store_.closeKey();
    SettingsRecord loaded = storage_.LoadSettings({});
    const core::Aria2Endpoint migrated{
        .name = "aria2", .url = "http://10.0.0.2:6801/jsonrpc", .secret = "s3cret"};
    EXPECT_EQ(core::Aria2Endpoints::of(loaded), std::vector<core::Aria2Endpoint>{migrated});

    ASSERT_TRUE(store_.openKey(kSettings, false));
    store_.writeString("Aria2Endpoints", "name=nas\turl=https://nas/rpc\tsecret=a\\tb\\n"
                                         "\tfuture=x\\ty\nurl=nameless\n");
    store_.closeKey();
    loaded = storage_.LoadSettings({});
    const core::Aria2Endpoint nas{.name = "nas",
                                  .url = "https://nas/rpc",
                                  .secret = "a\tb\n",
                                  .unknownFields = {{"future", "x\ty"}}};
    EXPECT_EQ(core::Aria2Endpoints::of(loaded), std::vector<core::Aria2Endpoint>{nas});

    core::Aria2Endpoint first = nas;
    first.name = "aria2";
    first.url = "http://127.0.0.1:6802/jsonrpc";
    core::Aria2Endpoints::store(loaded, {first, nas});
    storage_.SaveSettings(loaded, {}, "1.42");
    EXPECT_EQ(core::Aria2Endpoints::of(storage_.LoadSettings({})),
              (std::vector<core::Aria2Endpoint>{first, nas}));
    // Older versions still find the endpoint "aria2" where they look.
    ASSERT_TRUE(store_.openKey(kSettings, false));
    EXPECT_EQ(store_.readString("Aria2URL"), "http://127.0.0.1:6802/jsonrpc");
}

TEST_F(SettingsStorageTest, ReadingChoicesLoadBackAndAStoreWithoutThemGivesTheDefaults) {
    SettingsRecord record = kStored;
    record.quickScan = true;
    record.ignoreScriptLinks = false;
    record.mediaSources = true;
    record.resolvePageLinks = false;
    record.skipSent = true;
    record.routesPreset = "by type";
    record.ignoreTracking = true;
    storage_.SaveSettings(record, record.position, "1.42");
    EXPECT_EQ(storage_.LoadSettings({}), record);

    ASSERT_TRUE(store_.openKey(kSettings, false));
    for (const char* name : {"QuickScan", "IgnoreScriptLinks", "MediaSources", "ResolvePageLinks",
                             "SkipSent", "RoutesPreset", "IgnoreTracking"}) {
        ASSERT_TRUE(store_.deleteValue(name));
    }
    store_.closeKey();
    EXPECT_EQ(storage_.LoadSettings({}), kStored);
}

TEST_F(SettingsStorageTest, ASettingsFileOthersCouldReadIsTightenedWhenRead) {
    storage_.SaveSettings(kStored, kStored.position, "1.42");
    namespace fs = std::filesystem;
    const auto ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(path_, ownerOnly | fs::perms::group_read | fs::perms::others_read);
    platform::FileRegistryStore reader(Hive::CurrentUser, path_);
    EXPECT_EQ(SettingsStorage(reader).LoadSettings({}), kStored);
    EXPECT_EQ(fs::status(path_).permissions(), ownerOnly);
    // Tightening is not mistaken for another program's change: the next save goes through.
    SettingsStorage(reader).SaveSettings(kStored, {1, 1, 1, 1}, "1.42");
    EXPECT_EQ(fs::status(path_).permissions(), ownerOnly);
}

TEST_F(SettingsStorageTest, SavedRecordsLoadBack) {
    SettingsRecord forgetful = kStored;
    forgetful.remember = false;
    forgetful.position = {5, 6, 7, 8}; // the window's rectangle before loading
    SettingsRecord outOfRange = kStored;
    outOfRange.mode =
        core::TargetProgram{7}; // kept as stored: no target name, Options keeps its choice
    outOfRange.tidyUp = -1;
    for (const SettingsRecord& record : {kStored, forgetful, outOfRange}) {
        SCOPED_TRACE(::testing::PrintToString(record));
        storage_.SaveSettings(record, record.position, "1.42");
        EXPECT_EQ(storage_.LoadSettings({5, 6, 7, 8}), record);
    }
}

TEST_F(SettingsStorageTest, RememberDecidesWhereTidyUpAndItsNeighboursLive) {
    SettingsRecord record;
    record.tidyUp = 2;
    storage_.SaveSettings(record, {}, "1.42");
    EXPECT_EQ(storedInteger(kPosition, "TidyUp"), 2);
    EXPECT_FALSE(storedValueExists(kSettings, "TidyUp"));

    record.remember = false;
    record.tidyUp = 1;
    storage_.SaveSettings(record, {50, 60, 70, 80}, "1.42");
    EXPECT_EQ(storedInteger(kSettings, "TidyUp"), 1);
    // The key written while Remember was on keeps what it held.
    EXPECT_EQ(storedInteger(kPosition, "TidyUp"), 2);
    EXPECT_EQ(storedInteger(kPosition, "Left"), WindowRect{}.left);

    const SettingsRecord loaded = storage_.LoadSettings({1, 1, 1, 1});
    EXPECT_EQ(loaded.tidyUp, 1);
    EXPECT_EQ(loaded.position, (WindowRect{1, 1, 1, 1}));
}

// Copy A of the program has loaded the settings when copy B, another process, saves its own
// changes; then A saves. Each copy's changes survive, as if B had saved before A started.
TEST_F(SettingsStorageTest, ASaveKeepsWhatAnotherRunningCopySavedMeanwhile) {
    using Change = std::function<void(SettingsRecord&)>;
    struct Case {
        const char* name;
        Change other;
        Change ours;
    };
    const Case cases[] = {
        {"another target and token",
         [](SettingsRecord& r) {
             r.mode = core::TargetProgram::Aria2;
             r.aria2Secret = "token";
         },
         [](SettingsRecord& r) { r.qLinks = true; }},
        {"both choose a target", [](SettingsRecord& r) { r.mode = core::TargetProgram::Aria2; },
         [](SettingsRecord& r) { r.mode = core::TargetProgram::ReGet; }},
        {"Remember turned off there", [](SettingsRecord& r) { r.remember = false; },
         [](SettingsRecord& r) { r.tidyUp = 1; }},
        {"Remember turned off here", [](SettingsRecord& r) { r.tidyUp = 1; },
         [](SettingsRecord& r) { r.remember = false; }},
    };
    const WindowRect unremembered{5, 6, 7, 8};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store_.deleteKey(kHarvexRootKey);
        SettingsStorage(store_).SaveSettings(kStored, kStored.position, "1.42");
        SettingsStorage ours(store_);
        SettingsRecord record = ours.LoadSettings(unremembered);
        test::ChildProcess other([&] {
            platform::FileRegistryStore store(Hive::CurrentUser, path_);
            SettingsStorage storage(store);
            SettingsRecord changed = storage.LoadSettings(unremembered);
            c.other(changed);
            storage.SaveSettings(changed, changed.position, "1.42");
        });
        ASSERT_EQ(other.wait(std::chrono::seconds(20)), 0);
        c.ours(record);
        ours.SaveSettings(record, record.position, "1.42");

        SettingsRecord expected = kStored;
        c.other(expected);
        c.ours(expected);
        if (!expected.remember) {
            expected.position = unremembered;
        }
        EXPECT_EQ(SettingsStorage(store_).LoadSettings(unremembered), expected);
    }
}

TEST_F(SettingsStorageTest, BooleansAreAnyNonZeroInteger) {
    ASSERT_TRUE(store_.openKey(kSettings, true));
    for (const char* name : {"IgnoreMailTo", "IgnoreBookmarks", "QLinks", "Files", "Mode"}) {
        store_.writeInteger(name, 0);
    }
    store_.writeInteger("Remember", -5);
    store_.writeInteger("ACAS", 2);
    EXPECT_TRUE(storage_.LoadSettings({}).remember);
    EXPECT_TRUE(storage_.LoadSettings({}).acas);
}

TEST_F(SettingsStorageTest, FirstFailedReadKeepsItAndEverythingAfterAtDefaults) {
    struct Case {
        const char* name;
        std::function<void(RegistryStore&)> damage;
        SettingsRecord expected;
    };
    const auto removeValue = [](const std::string& key, const char* value) {
        return [key, value](RegistryStore& store) {
            ASSERT_TRUE(store.openKey(key, false));
            ASSERT_TRUE(store.deleteValue(value));
        };
    };
    SettingsRecord allButRealiFast = kStored;
    allButRealiFast.realiFast = false;
    const Case cases[] = {
        {"no Settings key",
         [](RegistryStore& store) { ASSERT_TRUE(store.deleteKey(kSettings)); },
         {}},
        {"QLinks missing",
         removeValue(kSettings, "QLinks"),
         {.ignoreMailTo = false, .ignoreBookmarks = false}},
        {"Mode is text",
         [](RegistryStore& store) {
             ASSERT_TRUE(store.openKey(kSettings, false));
             store.writeString("Mode", "2");
         },
         {.ignoreMailTo = false, .ignoreBookmarks = false, .qLinks = false, .files = 9}},
        {"no Position key",
         [](RegistryStore& store) { ASSERT_TRUE(store.deleteKey(kPosition)); },
         {.ignoreMailTo = false,
          .ignoreBookmarks = false,
          .qLinks = false,
          .files = 9,
          .mode = core::TargetProgram::NetVampire3,
          .acas = false}},
        {"Height missing",
         removeValue(kPosition, "Height"),
         {.ignoreMailTo = false,
          .ignoreBookmarks = false,
          .qLinks = false,
          .files = 9,
          .mode = core::TargetProgram::NetVampire3,
          .acas = false,
          .position = {1, 2, WindowRect{}.width, WindowRect{}.height}}},
        {"RealiFast missing", removeValue(kPosition, "RealiFast"), allButRealiFast},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        storage_.SaveSettings(kStored, kStored.position, "1.42");
        c.damage(store_);
        EXPECT_EQ(storage_.LoadSettings({}), c.expected);
    }
}

TEST_F(SettingsStorageTest, UnwritableStoreFailsTheSaveAndLoadsDefaults) {
    test::TempFolder::write(folder_.file("blocker"), "a file where a folder should be");
    platform::FileRegistryStore store(Hive::CurrentUser, folder_.file("blocker/user.reg"));
    SettingsStorage storage(store);
    EXPECT_THROW(storage.SaveSettings(kStored, {}, "1.42"), platform::RegistryError);
    EXPECT_EQ(storage.LoadSettings({}), SettingsRecord{});
}

// What this process has read from files (`field` "rchar:") or written to them ("wchar:") so
// far, by the kernel's count.
std::uint64_t bytesSoFar(const std::string& field) {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::uint64_t value = 0;
    while (io >> name >> value) {
        if (name == field) {
            return value;
        }
    }
    return 0;
}

// A start reads the record and the main window's histories, creating their keys; the exit
// saves the record with the window moved. The file is read once for all of it, as every
// later access finds it as this store left it, and the save writes it once.
TEST_F(SettingsStorageTest, AStartReadsTheFileOnceAndAnExitWritesItOnce) {
    storage_.SaveSettings(kStored, kStored.position, "1.42");
    ASSERT_TRUE(store_.openKey(std::string(kHarvexRootKey) + "\\Seq\\Gallery", true));
    store_.writeString("URL", std::string(1 << 18, 'u'));
    const auto size = static_cast<std::uint64_t>(std::filesystem::file_size(path_));

    const std::uint64_t readBefore = bytesSoFar("rchar:");
    platform::FileRegistryStore store(Hive::CurrentUser, path_);
    SettingsStorage storage(store);
    SettingsRecord record = storage.LoadSettings({});
    MruHistory::load(store, mru::kMainBaseUrl);
    MruHistory::load(store, mru::kMainDir);
    const std::uint64_t writtenBefore = bytesSoFar("wchar:");
    record.files += 1;
    record.mode = core::TargetProgram::ReGet;
    storage.SaveSettings(record, {9, 9, 300, 300}, "1.43");
    const std::uint64_t written = bytesSoFar("wchar:") - writtenBefore;
    const std::uint64_t read = bytesSoFar("rchar:") - readBefore;

    EXPECT_GE(read, size);
    EXPECT_LT(read, size + size / 2);
    EXPECT_GE(written, size);
    EXPECT_LT(written, size + size / 2);
    EXPECT_EQ(storedInteger(kPosition, "Left"), 9);
    EXPECT_EQ(storedInteger(kSettings, "Mode"), 1);
}

} // namespace
} // namespace harvex2::core
