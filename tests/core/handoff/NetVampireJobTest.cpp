#include "core/handoff/NetVampireJob.h"

#include "core/handoff/AddingPassContext.h"
#include "core/handoff/JobFileManager.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;

class NetVampireJobTest : public ::testing::Test {
protected:
    NetVampireJobTest() {
        fs::create_directories(data_ + "Jobs");
        fs::create_directories(data_ + "State");
    }

    JobFileManager& rootedManager() {
        manager_.setRootFolder(data_);
        return manager_;
    }

    std::string jobFile() const { return data_ + "Jobs/A0000001.nvj"; }
    std::string stateFile() const { return data_ + "State/A0000001.nvc"; }

    test::TempFolder folder_;
    std::string data_ = folder_.path() + "/Data/";
    platform::FileRegistryStore user_{platform::Hive::CurrentUser, folder_.file("user.reg")};
    platform::FileRegistryStore machine_{platform::Hive::LocalMachine, folder_.file("machine.reg")};
    JobFileManager manager_{user_, machine_};
    // A job takes its files from the manager's folder as it is when the job is made.
    NetVampireJob job_{rootedManager(), "A0000001"};
};

struct ReadCase {
    const char* stored; // nullptr: the key is missing
    const char* separator;
    JobValue integer;  // read as property 5 ("Priority")
    JobValue floating; // read as property 4 ("StartTime")
};

class NVJobReadTest : public NetVampireJobTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(NVJobReadTest, ReadsNumbersByTheirType) {
    const ReadCase& c = GetParam();
    manager_.setDecimalSeparator(c.separator);
    if (c.stored) {
        test::TempFolder::write(jobFile(), std::string("[SETTINGS]\r\nPriority=") + c.stored +
                                               "\r\nStartTime=" + c.stored + "\r\n");
    }
    const std::string stored = c.stored ? c.stored : "(missing)";
    EXPECT_EQ(job_.get(5), c.integer) << stored;
    EXPECT_EQ(job_.get(4), c.floating) << stored << " with " << c.separator;
}

INSTANTIATE_TEST_SUITE_P(
    Values, NVJobReadTest,
    ::testing::Values(
        ReadCase{"12", ".", std::int64_t{12}, 12.0}, ReadCase{"0x1F", ".", std::int64_t{31}, 0.0},
        ReadCase{"0X1f", ".", std::int64_t{31}, 0.0}, ReadCase{"0x", ".", std::int64_t{0}, 0.0},
        ReadCase{"-7", ".", std::int64_t{-7}, -7.0}, ReadCase{"1.5", ".", std::int64_t{0}, 1.5},
        ReadCase{"1,5", ".", std::int64_t{0}, 1.5}, ReadCase{"1.5", ",", std::int64_t{0}, 1.5},
        ReadCase{"1,5", ",", std::int64_t{0}, 1.5}, ReadCase{"2.5e3", ".", std::int64_t{0}, 2500.0},
        ReadCase{"1.234,5", ",", std::int64_t{0}, 0.0}, ReadCase{"text", ".", std::int64_t{0}, 0.0},
        ReadCase{nullptr, ".", std::int64_t{0}, 0.0}));

TEST_F(NetVampireJobTest, WritesEachTypeIntoItsFileAndSection) {
    manager_.setDecimalSeparator(",");
    job_.set(1, std::string("[Harvex] a, \"b\".zip"));
    job_.set(4, 1.5);
    job_.set(19, std::int64_t{42});
    job_.set(20, 0.1);
    job_.set(22, std::string("final.zip"));
    EXPECT_EQ(test::TempFolder::read(jobFile()),
              "[SETTINGS]\r\nTitle=[Harvex] a, \"b\".zip\r\nStartTime=1,5\r\n");
    EXPECT_EQ(test::TempFolder::read(stateFile()),
              "[STATE]\r\nFileSize=42\r\nFileTime=0,1\r\nFinalName=final.zip\r\n");
    EXPECT_EQ(job_.get(20), JobValue(0.1));
}

TEST_F(NetVampireJobTest, ANewJobNamesTheLocationKeyThatHoldsItsUrl) {
    EXPECT_THROW(job_.set(0, std::string("http://h/f")), HandoffError);
    ASSERT_TRUE(job_.create(3, "A0000002"));
    EXPECT_EQ(job_.cached(18), JobValue());
    job_.set(0, std::string("http://h/f"));
    EXPECT_EQ(test::TempFolder::read(stateFile()), "[STATE]\r\nState=3\r\n");
    EXPECT_EQ(test::TempFolder::read(jobFile()),
              "[SETTINGS]\r\nLocID=A0000002\r\n\r\n[LOCATIONS]\r\nA0000002=http://h/f\r\n");
    EXPECT_EQ(job_.get(0), JobValue(std::string("http://h/f")));
    EXPECT_FALSE(job_.create(0, "A0000003"));
    EXPECT_EQ(test::TempFolder::read(stateFile()), "[STATE]\r\nState=3\r\n");
}

TEST_F(NetVampireJobTest, PartialSizeIsTheSizeOfThePartialFile) {
    EXPECT_EQ(job_.get(24), JobValue(std::int64_t{0}));
    fs::create_directories(data_ + "Partial");
    test::TempFolder::write(data_ + "Partial/A0000001.nvp", std::string(1234, 'x'));
    EXPECT_EQ(job_.get(24), JobValue(std::int64_t{1234}));
}

// Net Vampire alone writes the partial file; setting its size touches no file at all.
TEST_F(NetVampireJobTest, WritingThePartialSizeWritesNothing) {
    fs::create_directories(data_ + "Partial");
    const std::string partial = data_ + "Partial/A0000001.nvp";
    test::TempFolder::write(partial, std::string(1234, 'x'));
    job_.get(24);
    job_.set(24, std::int64_t{5});
    EXPECT_EQ(job_.cached(24), JobValue(std::int64_t{1234}));
    EXPECT_EQ(test::TempFolder::read(partial), std::string(1234, 'x'));
    EXPECT_EQ(job_.get(24), JobValue(std::int64_t{1234}));
    EXPECT_FALSE(fs::exists(stateFile()));
    EXPECT_TRUE(fs::is_empty(data_ + "Jobs"));
}

TEST_F(NetVampireJobTest, TheCacheRemembersReadsAndForgetsOnWrite) {
    EXPECT_EQ(job_.cached(3), std::nullopt);
    job_.get(3);
    EXPECT_EQ(job_.cached(3), JobValue(std::string()));
    job_.set(3, std::string("/down/"));
    EXPECT_EQ(job_.cached(3), JobValue());
    EXPECT_EQ(job_.get(-1), JobValue());
    EXPECT_EQ(job_.get(25), JobValue());
    job_.set(25, std::string("x"));
    EXPECT_EQ(job_.cached(25), std::nullopt);
    EXPECT_FALSE(fs::exists(stateFile()));
}

TEST_F(NetVampireJobTest, ARefusedWriteNamesTheFile) {
    fs::remove_all(data_ + "State");
    EXPECT_THAT([this] { job_.set(18, std::int64_t{0}); },
                ::testing::ThrowsMessage<HandoffError>("Unable to write to " + stateFile()));
}

} // namespace
} // namespace harvex2::core
