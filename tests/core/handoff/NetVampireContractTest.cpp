#include "core/handoff/NetVampireContract.h"

#include "platform/posix/FileRegistryStore.h"
#include "support/core/TempFolder.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

namespace fs = std::filesystem;
using Contract = NetVampireContract;

class NetVampireContractTest : public ::testing::Test {
protected:
    test::TempFolder folder_;
    platform::FileRegistryStore machine_{platform::Hive::LocalMachine, folder_.file("machine.reg")};
};

TEST_F(NetVampireContractTest, ARecordedExecutableHasItsDataBesideIt) {
    const std::string executable = folder_.makeFile("nv/vampire.exe");
    const auto location = Contract::locate(executable);
    ASSERT_TRUE(location);
    EXPECT_EQ(location->executable, executable);
    EXPECT_EQ(location->dataFolder, folder_.file("nv/Data/"));
}

TEST_F(NetVampireContractTest, ARecordedFolderMustHoldTheExecutable) {
    const std::string executable = folder_.makeFile("nv3/Vampire.exe");
    for (const std::string& recorded : {folder_.file("nv3"), folder_.file("nv3/")}) {
        SCOPED_TRACE(recorded);
        const auto location = Contract::locate(recorded);
        ASSERT_TRUE(location) << recorded;
        EXPECT_EQ(location->executable, executable);
        EXPECT_EQ(location->dataFolder, folder_.file("nv3/Data/"));
    }
    fs::create_directories(folder_.file("empty"));
    EXPECT_FALSE(Contract::locate(folder_.file("empty")));
    EXPECT_FALSE(Contract::locate(folder_.file("missing")));
    EXPECT_FALSE(Contract::locate(""));
}

TEST_F(NetVampireContractTest, TheComponentsFolderFollowsTheSameRuleWithoutTheExecutable) {
    folder_.makeFile("nv/vampire.exe");
    EXPECT_EQ(Contract::dataFolderFor(folder_.file("nv/vampire.exe")), folder_.file("nv/Data/"));
    EXPECT_EQ(Contract::dataFolderFor(" " + folder_.file("other") + " "),
              folder_.file("other/Data/"));
    EXPECT_EQ(Contract::dataFolderFor("  "), std::string(Contract::kDefaultFolder) + "Data/");
}

TEST_F(NetVampireContractTest, TheLocationIsRecordedInTheMachineHive) {
    EXPECT_EQ(Contract::recordedLocation(machine_), "");
    EXPECT_FALSE(machine_.keyExists(std::string(Contract::kLocationKey)));
    Contract::recordLocation(machine_, "/opt/net vampire");
    ASSERT_TRUE(machine_.openKey(
        "\\software\\microsoft\\windows\\currentversion\\app paths\\vampire.exe", false));
    EXPECT_EQ(machine_.readString("path"), "/opt/net vampire");
    machine_.writeInteger("Path", 1);
    EXPECT_EQ(Contract::recordedLocation(machine_), "");
}

} // namespace
} // namespace harvex2::core
