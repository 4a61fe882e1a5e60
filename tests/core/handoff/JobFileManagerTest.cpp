#include "core/handoff/JobFileManager.h"

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/NetVampireContract.h"
#include "platform/ProfileFile.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <optional>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;
using Contract = NetVampireContract;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

// A store of one process only, refusing every write as a full disk would.
class FullDiskStore : public platform::FileRegistryStore {
public:
    using FileRegistryStore::FileRegistryStore;
    void writeInteger(const std::string& name, std::int32_t) override {
        throw platform::RegistryError("Failed to set data for '" + name + "'");
    }
    void changeInteger(const std::string& path, const std::string& name,
                       const IntegerChange& next) override {
        RegistryStore::changeInteger(path, name, next);
    }
};

class JobFileManagerTest : public ::testing::Test {
protected:
    JobFileManagerTest() {
        fs::create_directories(data_ + "Jobs");
        fs::create_directories(data_ + "State");
        manager_.setRootFolder(data_);
    }

    void setCounter(std::optional<std::int32_t> number, const std::string& text = {}) {
        ASSERT_TRUE(user_.openKey(std::string(Contract::kCounterKey), true));
        if (number) {
            user_.writeInteger(std::string(Contract::kCounterValue), *number);
        } else {
            user_.writeString(std::string(Contract::kCounterValue), text);
        }
        user_.closeKey();
    }

    std::int32_t counter() {
        EXPECT_TRUE(user_.openKey(std::string(Contract::kCounterKey), false));
        const std::int32_t number = user_.readInteger(std::string(Contract::kCounterValue));
        user_.closeKey();
        return number;
    }

    void makeJobFile(const std::string& name) {
        test::TempFolder::write(data_ + "Jobs/" + name, "");
    }

    std::string stateOf(const std::string& name) {
        return test::TempFolder::read(data_ + "State/" + name + ".nvc");
    }

    test::TempFolder folder_;
    std::string data_ = folder_.path() + "/Data/";
    platform::FileRegistryStore user_{platform::Hive::CurrentUser, folder_.file("user.reg")};
    platform::FileRegistryStore machine_{platform::Hive::LocalMachine, folder_.file("machine.reg")};
    JobFileManager manager_{user_, machine_};
};

TEST_F(JobFileManagerTest, JobNamesHaveAtLeastSevenUpperCaseHexDigits) {
    EXPECT_EQ(JobFileManager::jobName(0), "A0000000");
    EXPECT_EQ(JobFileManager::jobName(28), "A000001C");
    EXPECT_EQ(JobFileManager::jobName(268435456), "A10000000");
    EXPECT_EQ(JobFileManager::jobName(0xFFFFFFFF), "AFFFFFFFF");
}

struct CounterCase {
    const char* what;
    std::optional<std::int32_t> counter; // nullopt: stored as the text below, or missing
    const char* counterText;
    std::vector<std::string> existing; // files under the data folder
    const char* job;
    const char* locationKey;
    std::int32_t counterAfter;
};

class JobFileManagerCounterTest : public JobFileManagerTest,
                                  public ::testing::WithParamInterface<CounterCase> {};

TEST_P(JobFileManagerCounterTest, AddJobTakesTheNextFreeNumberAndStoresTheOneAfterItsLocation) {
    const CounterCase& c = GetParam();
    if (c.counter || c.counterText) {
        setCounter(c.counter, c.counterText ? c.counterText : "");
    }
    for (const std::string& file : c.existing) {
        test::TempFolder::write(data_ + file, "[STATE]\r\nState=7\r\n");
    }
    EXPECT_EQ(manager_.addJob("http://h/f", 0), c.job);
    EXPECT_EQ(counter(), c.counterAfter);
    const platform::ProfileFile jobFile(data_ + "Jobs/" + c.job + ".nvj");
    EXPECT_EQ(jobFile.read("SETTINGS", "LocID"), c.locationKey);
    EXPECT_EQ(jobFile.read("LOCATIONS", c.locationKey), "http://h/f");
    EXPECT_EQ(stateOf(c.job), "[STATE]\r\nState=0\r\n");
    ASSERT_NE(manager_.findJob(c.job), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Counters, JobFileManagerCounterTest,
    ::testing::Values(
        CounterCase{"Five", 5, nullptr, {}, "A0000005", "A0000006", 7},
        CounterCase{"Taken",
                    5,
                    nullptr,
                    {"Jobs/A0000005.nvj", "Jobs/A0000006.nvj"},
                    "A0000007",
                    "A0000008",
                    9},
        CounterCase{"LeftoverState", 5, nullptr, {"State/A0000005.nvc"}, "A0000006", "A0000007", 8},
        CounterCase{"Missing", std::nullopt, nullptr, {}, "A0000000", "A0000001", 2},
        CounterCase{"Text", std::nullopt, "12", {"Jobs/A0000000.nvj"}, "A0000001", "A0000002", 3},
        CounterCase{"Wide", 268435456, nullptr, {}, "A10000000", "A10000001", 268435458},
        CounterCase{"Top", 0x7FFFFFFF, nullptr, {}, "A7FFFFFFF", "A80000000", -0x7FFFFFFF}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

TEST_F(JobFileManagerTest, TheSameUrlTwiceMakesTwoJobs) {
    const std::string first = manager_.addJob("http://h/f", 0);
    const std::string second = manager_.addJob("http://h/f", 0);
    EXPECT_EQ(first, "A0000000");
    EXPECT_EQ(second, "A0000002");
    EXPECT_EQ(manager_.jobCount(), 2u);
}

TEST_F(JobFileManagerTest, ReloadListsJobFilesAndFindIgnoresCase) {
    makeJobFile("A0000006.nvj");
    makeJobFile("a0000005.NVJ");
    makeJobFile("notes.txt");
    fs::create_directory(data_ + "Jobs/A0000009.nvj");
    int reloads = 0;
    manager_.onReloadJobs = [&reloads](JobFileManager&) { ++reloads; };

    EXPECT_EQ(manager_.reloadJobs(), 2u);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(manager_.job(0).name(), "A0000005");
    EXPECT_EQ(manager_.findJob("a0000006"), &manager_.job(1));
    EXPECT_EQ(manager_.findJob("A0000009"), nullptr);
    manager_.addJob("http://h/f", 0);
    EXPECT_EQ(reloads, 2);
}

TEST_F(JobFileManagerTest, FoldersHangOffTheRootFolder) {
    EXPECT_EQ(manager_.folder(JobFileManager::Jobs), data_ + "Jobs/");
    EXPECT_EQ(manager_.folder(JobFileManager::Partial), data_ + "Partial/");
    EXPECT_EQ(manager_.folder(JobFileManager::Sites), data_ + "Sites/");
    EXPECT_EQ(manager_.folder(JobFileManager::State), data_ + "State/");
    manager_.setRootFolder(folder_.path());
    EXPECT_EQ(manager_.rootFolder(), folder_.path() + "/");
}

TEST_F(JobFileManagerTest, StartsFromTheRecordedLocationWithSlowPollingOff) {
    Contract::recordLocation(machine_, folder_.path());
    const JobFileManager fresh(user_, machine_);
    EXPECT_EQ(fresh.rootFolder(), data_);
    EXPECT_EQ(fresh.refreshInterval(), 2000);
    EXPECT_FALSE(fresh.autoRefresh());
}

TEST_F(JobFileManagerTest, RefreshIntervalIsAtLeastOneSecond) {
    for (const auto& [set, stored] :
         {std::pair{500, 1000}, {999, 1000}, {1000, 1000}, {2500, 2500}}) {
        manager_.setRefreshInterval(set);
        EXPECT_EQ(manager_.refreshInterval(), stored) << set;
    }
}

TEST_F(JobFileManagerTest, AMissingDataFolderFailsWithThePathOfTheFirstFileAndKeepsTheCounter) {
    setCounter(5);
    manager_.setRootFolder(folder_.file("Gone/"));
    EXPECT_THAT([this] { manager_.addJob("http://h/f", 0); },
                ThrowsMessage<HandoffError>("Unable to write to " +
                                            folder_.file("Gone/State/A0000005.nvc")));
    EXPECT_FALSE(fs::exists(folder_.file("Gone")));
    EXPECT_EQ(counter(), 5);
}

TEST_F(JobFileManagerTest, LinksInThePlaceOfJobFilesAreSkippedAndNeverFollowed) {
    fs::create_symlink(folder_.file("outside.nvj"), data_ + "Jobs/A0000000.nvj");
    const std::string victim = folder_.makeFile("victim.txt", "keep");
    fs::create_symlink(victim, data_ + "State/A0000005.nvc");

    EXPECT_EQ(manager_.addJob("http://h/f", 0), "A0000001");
    setCounter(5);
    EXPECT_EQ(manager_.addJob("http://h/f", 0), "A0000006");
    EXPECT_EQ(counter(), 8);
    EXPECT_FALSE(fs::exists(folder_.file("outside.nvj")));
    EXPECT_EQ(test::TempFolder::read(victim), "keep");
    EXPECT_FALSE(fs::exists(data_ + "Jobs/A0000005.nvj"));
}

TEST_F(JobFileManagerTest, ARefusedCounterWriteEndsTheJobBeforeAnyFile) {
    test::TempFolder::write(folder_.file("blocker"), "");
    platform::FileRegistryStore refusing(platform::Hive::CurrentUser,
                                         folder_.file("blocker/u.reg"));
    JobFileManager manager(refusing, machine_);
    manager.setRootFolder(data_);
    EXPECT_THAT(
        [&manager] { manager.addJob("http://h/f", 0); },
        ThrowsMessage<HandoffError>(StrEq("Failed to set data for 'NextID_NVMan'.\n" +
                                          folder_.file("blocker/u.reg") + ": Not a directory")));
    EXPECT_TRUE(fs::is_empty(data_ + "State"));

    // A store that only one process uses stores the counter after the files are made: when
    // it refuses, the files go again and the number stays free.
    FullDiskStore full(platform::Hive::CurrentUser, folder_.file("full.reg"));
    JobFileManager second(full, machine_);
    second.setRootFolder(data_);
    EXPECT_THROW(second.addJob("http://h/f", 0), HandoffError);
    EXPECT_TRUE(fs::is_empty(data_ + "State"));
    EXPECT_TRUE(fs::is_empty(data_ + "Jobs"));
}

TEST_F(JobFileManagerTest, ThePollReportsChangedPropertiesOfPropertiesReadBefore) {
    const std::string name = manager_.addJob("http://h/f", 0);
    NetVampireJob& job = *manager_.findJob(name);
    job.get(kPropertyTitle);
    std::vector<std::string> events;
    manager_.onJobSomethingChange = [&](JobFileManager&, const std::string& changed) {
        events.push_back("something " + changed);
    };
    manager_.onJobChangeState = [&](JobFileManager&, const std::string& changed) {
        events.push_back("state " + changed);
    };
    const platform::ProfileFile state(data_ + "State/" + name + ".nvc");
    ASSERT_TRUE(state.write("STATE", "State", "3"));
    const platform::ProfileFile settings(data_ + "Jobs/" + name + ".nvj");
    ASSERT_TRUE(settings.write("SETTINGS", "Title", "renamed"));

    manager_.poll(); // off
    EXPECT_TRUE(events.empty());
    manager_.setAutoRefresh(true);
    manager_.poll(); // the state was written here, so its first read is the baseline
    EXPECT_EQ(events, std::vector<std::string>{"something " + name});
    ASSERT_TRUE(state.write("STATE", "State", "4"));
    events.clear();
    manager_.poll();
    EXPECT_EQ(events, (std::vector<std::string>{"something " + name, "state " + name}));
    events.clear();
    manager_.poll();
    EXPECT_TRUE(events.empty());
}

// A download under way grows its partial file: the poll tells of the job, not of its state.
TEST_F(JobFileManagerTest, ThePollReportsAGrownPartialFile) {
    const std::string name = manager_.addJob("http://h/f", 0);
    fs::create_directories(data_ + "Partial");
    const std::string partial = data_ + "Partial/" + name + ".nvp";
    test::TempFolder::write(partial, std::string(100, 'x'));
    EXPECT_EQ(manager_.findJob(name)->get(kPropertyPartialSize), JobValue(std::int64_t{100}));
    std::vector<std::string> events;
    manager_.onJobSomethingChange = [&](JobFileManager&, const std::string& job) {
        events.push_back("something " + job);
    };
    manager_.onJobChangeState = [&](JobFileManager&, const std::string& job) {
        events.push_back("state " + job);
    };
    manager_.setAutoRefresh(true);
    manager_.poll();
    EXPECT_TRUE(events.empty());
    test::TempFolder::write(partial, std::string(150, 'x'));
    manager_.poll();
    EXPECT_EQ(events, std::vector<std::string>{"something " + name});
    EXPECT_EQ(manager_.findJob(name)->cached(kPropertyPartialSize), JobValue(std::int64_t{150}));
    events.clear();
    manager_.poll();
    EXPECT_TRUE(events.empty());
}

// Stands for the window's timer: remembers what it was told.
class RecordingPollTimer : public PollTimer {
public:
    void schedule(bool running, int intervalMs) override { told.emplace_back(running, intervalMs); }
    std::vector<std::pair<bool, int>> told;
};

TEST_F(JobFileManagerTest, ThePollTimerRunsOnlyWhileAutoRefreshIsOnAtTheInterval) {
    RecordingPollTimer timer;
    manager_.setPollTimer(&timer);
    manager_.setAutoRefresh(true);
    manager_.setRefreshInterval(500);
    manager_.setAutoRefresh(false);
    EXPECT_EQ(timer.told, (std::vector<std::pair<bool, int>>{
                              {false, 2000}, {true, 2000}, {true, 1000}, {false, 1000}}));
    manager_.setPollTimer(nullptr);
    manager_.setAutoRefresh(true);
    EXPECT_EQ(timer.told.size(), 4U);
}

} // namespace
} // namespace harvex2::core
