#include "core/shell/RecoveryJournal.h"

#include "core/shell/RecoveryRecords.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using test::TempFolder;
using Row = std::tuple<std::string, EntryId, std::string, bool, std::optional<std::string>,
                       std::optional<std::string>, std::optional<std::vector<std::string>>>;

std::vector<Row> rows(const LinkList& list) {
    std::vector<Row> result;
    for (std::size_t i = 0; i < list.count(); ++i) {
        const DetailSet set = list.details().copyOf(list.idAt(i));
        result.emplace_back(list.textAt(i), list.idAt(i), list.originAt(i), list.checkedAt(i),
                            set.fileName, set.referrer, set.counters);
    }
    return result;
}

// Every byte value, and longer than a link list file keeps.
std::string longLink() {
    std::string link = "http://host/";
    for (int i = 0; link.size() < 300; ++i) {
        link.push_back(static_cast<char>(i % 256));
    }
    return link;
}

std::vector<Row> restored(const std::string& folder) {
    LinkList list;
    if (auto saved = RecoveryJournal(folder).claimLeftBehind()) {
        list.restore(std::move(*saved));
    }
    return rows(list);
}

TEST(RecoveryJournal, AppendsJoinTheFileAndOtherChangesRewriteIt) {
    TempFolder folder;
    LinkList list;
    RecoveryJournal journal(folder.path());
    const EntryId first = list.appendAll({longLink(), "b", ""}, "http://page/1");
    list.setChecked(1, true);
    list.details().fileNames.set(first, "name.bin");
    list.details().referrers.set(first + 1, "http://ref/");
    list.details().counters.set(first + 2, {"1", "", "07"});
    journal.saveNow(list);
    EXPECT_EQ(restored(folder.path()), rows(list));

    const std::string before = TempFolder::read(journal.path());
    list.appendAll({"c", "d"}, "http://page/2");
    journal.saveNow(list);
    EXPECT_TRUE(TempFolder::read(journal.path()).starts_with(before));
    EXPECT_EQ(restored(folder.path()), rows(list));

    list.removeAt(0);
    journal.saveNow(list);
    EXPECT_LT(TempFolder::read(journal.path()).size(), before.size());
    EXPECT_EQ(restored(folder.path()), rows(list));
}

// A crash may cut the file anywhere, and a disk may spoil a byte: what is whole comes back.
TEST(RecoveryJournal, DamagedFilesGiveTheirWholeRecordsAndNothingElse) {
    TempFolder folder;
    LinkList list;
    RecoveryJournal journal(folder.path());
    list.appendAll({longLink(), "a"}, "http://page/1");
    journal.saveNow(list);
    const std::size_t firstRun = TempFolder::read(journal.path()).size();
    list.appendAll({"b"}, "http://page/2");
    journal.saveNow(list);
    const std::string file = TempFolder::read(journal.path());
    const std::vector<Row> all = rows(list);
    for (std::size_t size = 0; size <= file.size(); ++size) {
        const std::size_t count =
            RecoveryRecords::read(std::string_view(file).substr(0, size)).entries.size();
        EXPECT_EQ(count, size == file.size() ? 3u : size >= firstRun ? 2u : 0u) << size;
    }
    for (const std::size_t spoiled : {std::size_t{3}, firstRun / 2, firstRun + 12}) {
        std::string damaged = file;
        damaged[spoiled] = static_cast<char>(damaged[spoiled] ^ 0x20);
        const LinkList::Saved saved = RecoveryRecords::read(damaged);
        EXPECT_EQ(saved.entries.size(), spoiled < firstRun ? 0u : 2u) << spoiled;
    }
}

TEST(RecoveryJournal, AChangeDuringASaveLeavesTheNextOneToWriteItWhole) {
    TempFolder folder;
    LinkList list;
    RecoveryJournal journal(folder.path());
    list.appendAll(std::vector<std::string>(20000, std::string(100, 'x')));
    journal.saveNow(list);
    list.appendAll(std::vector<std::string>(20000, std::string(100, 'y')));
    auto run = journal.save(list);
    ASSERT_TRUE(run->advance());
    list.removeAt(0);
    list.append("z");
    EXPECT_FALSE(run->advance());
    run.reset();
    journal.saveNow(list);
    EXPECT_EQ(restored(folder.path()), rows(list));
}

// A process that has ended; its id is not given again this soon.
int goneProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(RecoveryJournal, OnlyFilesOfCopiesThatAreGoneAreTaken) {
    TempFolder folder;
    LinkList list;
    list.append(longLink());
    RecoveryJournal(folder.path()).saveNow(list);
    const std::string own = RecoveryJournal(folder.path()).path();
    const std::string gone = folder.file(RecoveryJournal::fileName(goneProcess()));
    std::filesystem::rename(own, gone);
    const std::string running = folder.makeFile(RecoveryJournal::fileName(getppid()), "x");
    const std::string runningPartial =
        folder.makeFile(RecoveryJournal::fileName(getppid()) + ".new");
    const std::string gonePartial =
        folder.makeFile(RecoveryJournal::fileName(goneProcess()) + ".new");
    folder.makeFile("list-12x", "x");

    RecoveryJournal journal(folder.path());
    const auto saved = journal.claimLeftBehind();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->entries.at(0).text, longLink());
    EXPECT_FALSE(std::filesystem::exists(gone));
    EXPECT_FALSE(std::filesystem::exists(gonePartial));
    EXPECT_TRUE(std::filesystem::exists(runningPartial));
    journal.remove();
    EXPECT_FALSE(journal.claimLeftBehind());
    EXPECT_TRUE(std::filesystem::exists(running));
}

} // namespace
} // namespace harvex2::core
