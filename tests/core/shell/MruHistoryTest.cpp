#include "core/shell/MruHistory.h"

#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <map>
#include <optional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using platform::Hive;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAreArray;
using Entries = std::vector<std::string>;

class MruHistoryTest : public ::testing::Test {
protected:
    // Writes the key by hand, as an older run or a person editing the file may have left it.
    void storeKey(const MruSpec& spec, const std::map<std::string, std::string>& strings,
                  std::optional<std::int32_t> size) {
        ASSERT_TRUE(store_.deleteKey(spec.key) || !store_.keyExists(spec.key));
        ASSERT_TRUE(store_.openKey(spec.key, true));
        if (size) {
            store_.writeInteger("MRUSize", *size);
        }
        for (const auto& [name, text] : strings) {
            store_.writeString(name, text);
        }
        store_.closeKey();
    }
    void storeList(const MruSpec& spec, const Entries& entries) {
        std::map<std::string, std::string> strings;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            strings[std::to_string(i + 1)] = entries[i];
        }
        storeKey(spec, strings, static_cast<std::int32_t>(entries.size()));
    }

    // The list as the file holds it, read by a store of its own; the key must hold exactly
    // MRUSize and the values "1" to MRUSize.
    Entries storedList(const MruSpec& spec) const {
        platform::FileRegistryStore reader(Hive::CurrentUser, path_);
        EXPECT_TRUE(reader.openKey(spec.key, false)) << spec.key;
        const std::int32_t size = reader.readInteger("MRUSize");
        Entries entries;
        std::vector<std::string> names{"MRUSize"};
        for (std::int32_t i = 1; i <= size; ++i) {
            names.push_back(std::to_string(i));
            entries.push_back(reader.readString(names.back()));
        }
        EXPECT_THAT(reader.valueNames(), UnorderedElementsAreArray(names));
        return entries;
    }

    test::TempFolder folder_;
    std::string path_ = folder_.file("user.reg");
    platform::FileRegistryStore store_{Hive::CurrentUser, path_};
};

TEST_F(MruHistoryTest, LoadTakesMruSizeEntriesAndGapsAreEmpty) {
    storeKey(mru::kMainBaseUrl, {{"1", "a"}, {"3", "c"}}, 3);
    EXPECT_THAT(MruHistory::load(store_, mru::kMainBaseUrl), ElementsAre("a", "", "c"));

    // A value of the wrong type is a gap too: loading never reports.
    ASSERT_TRUE(store_.openKey(mru::kMainBaseUrl.key, false));
    store_.writeInteger("2", 5);
    EXPECT_THAT(MruHistory::load(store_, mru::kMainBaseUrl), ElementsAre("a", "", "c"));
}

TEST_F(MruHistoryTest, LoadWithoutAUsableSizeGivesAnEmptyList) {
    EXPECT_THAT(MruHistory::load(store_, mru::kImport), IsEmpty());
    EXPECT_TRUE(store_.keyExists(mru::kImport.key));

    storeKey(mru::kImport, {{"1", "a"}}, std::nullopt);
    EXPECT_THAT(MruHistory::load(store_, mru::kImport), IsEmpty());
    storeKey(mru::kImport, {{"1", "a"}}, -1);
    EXPECT_THAT(MruHistory::load(store_, mru::kImport), IsEmpty());
    storeKey(mru::kImport, {{"1", "a"}, {"MRUSize", "1"}}, std::nullopt);
    EXPECT_THAT(MruHistory::load(store_, mru::kImport), IsEmpty());
}

TEST_F(MruHistoryTest, LoadOfADamagedHugeSizeStaysBounded) {
    storeKey(mru::kMainDir, {{"1", "a"}}, 0x7FFFFFFF);
    const Entries loaded = MruHistory::load(store_, mru::kMainDir);
    ASSERT_EQ(loaded.size(), 1024u);
    EXPECT_EQ(loaded.front(), "a");
    EXPECT_EQ(loaded.back(), "");
}

TEST_F(MruHistoryTest, SequenceBoxesLoadSortedIgnoringCaseTheOthersAsStored) {
    storeList(mru::kSeqUrl, {"c", "a", "b"});
    EXPECT_THAT(MruHistory::load(store_, mru::kSeqUrl), ElementsAre("a", "b", "c"));
    storeList(mru::kSeqDir, {"b", "C", "A", "a2"});
    EXPECT_THAT(MruHistory::load(store_, mru::kSeqDir), ElementsAre("A", "a2", "b", "C"));
    storeList(mru::kMainBaseUrl, {"c", "a", "b"});
    EXPECT_THAT(MruHistory::load(store_, mru::kMainBaseUrl), ElementsAre("c", "a", "b"));
}

// Entries equal but for case keep the order they were stored in, wherever they land.
TEST_F(MruHistoryTest, SortedLoadKeepsEntriesEqualButForCaseInStoredOrder) {
    storeList(mru::kSeqUrl, {"b", "A", "a"});
    EXPECT_THAT(MruHistory::load(store_, mru::kSeqUrl), ElementsAre("A", "a", "b"));
    storeList(mru::kSeqUrl, {"a", "b", "A"});
    EXPECT_THAT(MruHistory::load(store_, mru::kSeqUrl), ElementsAre("a", "A", "b"));
}

TEST_F(MruHistoryTest, SaveAppliesEachListsRules) {
    struct Case {
        const char* name;
        const MruSpec& spec;
        Entries history;
        std::string editText;
        Entries expected;
    };
    const Case cases[] = {
        {"newest on top", mru::kMainBaseUrl, {"a", "b", "c", "d"}, "e", {"e", "a", "b", "c"}},
        {"no equal search", mru::kMainBaseUrl, {"a", "b", "c", "d"}, "a", {"a", "a", "b", "c"}},
        {"empty text not inserted", mru::kMainDir, {"a", "b"}, "", {"a", "b"}},
        {"empty text inserted", mru::kImport, {"a"}, "", {"", "a"}},
        {"repeat on top collapses", mru::kSeqUrl, {"x", "y"}, "x", {"x", "y"}},
        {"repeat apart stays", mru::kSeqUrl, {"a", "b"}, "b", {"b", "a", "b"}},
        {"a run keeps one", mru::kSeqUrl, {"x", "x", "y", "y"}, "x", {"x", "y"}},
        {"repeats are exact", mru::kSeqUrl, {"x"}, "X", {"X", "x"}},
        {"the mark itself goes", mru::kSeqUrl, {"a", "*", "b"}, "c", {"c", "a", "b"}},
        {"one trim", mru::kMainDir, {"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}},
        {"two trims", mru::kSeqDir, {"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c"}},
        // The repeat still costs the oldest entry: trimming comes first.
        {"trim, then repeats", mru::kSeqDir, {"a", "b", "c", "d"}, "a", {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        storeList(c.spec, c.history);
        EXPECT_EQ(MruHistory::save(store_, c.spec, c.history, c.editText), c.expected);
        EXPECT_EQ(storedList(c.spec), c.expected);
    }
}

TEST_F(MruHistoryTest, SaveRewritesTheKeyFromScratch) {
    storeKey(mru::kMainDir, {{"1", "a"}, {"2", "b"}, {"7", "old"}, {"Other", "x"}}, 7);
    MruHistory::save(store_, mru::kMainDir, {"a", "b"}, "");
    EXPECT_THAT(storedList(mru::kMainDir), ElementsAre("a", "b"));
}

TEST_F(MruHistoryTest, SortedHistoryTakesANewEntryOnTopUnsorted) {
    storeList(mru::kSeqUrl, {"c", "a", "b"});
    const Entries loaded = MruHistory::load(store_, mru::kSeqUrl);
    MruHistory::save(store_, mru::kSeqUrl, loaded, "z");
    EXPECT_THAT(storedList(mru::kSeqUrl), ElementsAre("z", "a", "b", "c"));
}

TEST_F(MruHistoryTest, FiveListsUnderTheirKeysByteForByte) {
    MruHistory::save(store_, mru::kMainBaseUrl, {}, "http://a/");
    MruHistory::save(store_, mru::kMainDir, {}, "C:\\dl\\");
    MruHistory::save(store_, mru::kImport, {"x.html"}, "");
    MruHistory::save(store_, mru::kSeqUrl, {}, "http://a/img$.jpg");
    MruHistory::save(store_, mru::kSeqDir, {}, "");

    EXPECT_EQ(test::TempFolder::read(path_),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\MRU\\Import]\r\n"
              "\"MRUSize\"=dword:00000002\r\n"
              "\"1\"=\"\"\r\n"
              "\"2\"=\"x.html\"\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\MRU\\Main\\BaseURL]\r\n"
              "\"MRUSize\"=dword:00000001\r\n"
              "\"1\"=\"http://a/\"\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\MRU\\Main\\Dir]\r\n"
              "\"MRUSize\"=dword:00000001\r\n"
              "\"1\"=\"C:\\\\dl\\\\\"\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\MRU\\Seq\\Dir]\r\n"
              "\"MRUSize\"=dword:00000000\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillfern Software\\Harvex\\MRU\\Seq\\URL]\r\n"
              "\"MRUSize\"=dword:00000001\r\n"
              "\"1\"=\"http://a/img$.jpg\"\r\n"
              "\r\n");
}

TEST_F(MruHistoryTest, UnwritableStoreFailsTheSave) {
    test::TempFolder::write(folder_.file("blocker"), "a file where a folder should be");
    platform::FileRegistryStore store(Hive::CurrentUser, folder_.file("blocker/user.reg"));
    EXPECT_THAT(MruHistory::load(store, mru::kMainBaseUrl), IsEmpty());
    EXPECT_THROW(MruHistory::save(store, mru::kMainBaseUrl, {"a"}, "b"), platform::RegistryError);
}

} // namespace
} // namespace harvex2::core
