#include "core/update/TDirectUpdate.h"

#include "core/update/ProjectSite.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/DirectUpdateInstall.h"
#include "support/core/RecordingShell.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

namespace harvex2::core {
namespace {

using platform::Hive;
using platform::MessageButton;
using platform::MessageIcon;
using platform::ShowMode;

class TDirectUpdateTest : public testing::Test {
protected:
    TDirectUpdateTest() {
        test::makeFakeEngine(engineFolder, "directupdate");
        record.path = engineFolder;
        test::recordDirectUpdate(machine, record);
    }

    TDirectUpdate make() { return TDirectUpdate(machine, shell, prompts); }
    std::string exec() const { return engineFolder + "/directupdate"; }

    test::TempFolder folder;
    std::string engineFolder = folder.file("Direct Update");
    platform::FileRegistryStore machine{Hive::LocalMachine, folder.file("machine.reg")};
    test::RecordingShell shell;
    test::ScriptedPrompts prompts;
    test::DirectUpdateRecord record;
};

TEST_F(TDirectUpdateTest, StartsEmptyBesidesTheComponentVersion) {
    test::removeDirectUpdateRecord(machine);
    const TDirectUpdate update = make();
    EXPECT_EQ(update.cmpVersion(), "1.00");
    EXPECT_FALSE(update.installed());
    EXPECT_EQ(update.exec(), "");
    EXPECT_EQ(update.version(), "");
    EXPECT_EQ(update.dataFormatVersion(), "");
    EXPECT_EQ(update.installDate(), 0);
    EXPECT_EQ(update.lastSelfCheck(), 0);
    EXPECT_EQ(update.execParams(), "");
    EXPECT_EQ(update.dufFilename(), "");
}

TEST_F(TDirectUpdateTest, ReadsTheRecordWithOrWithoutASeparatorAfterThePath) {
    for (const std::string& path : {engineFolder, engineFolder + "/"}) {
        SCOPED_TRACE(path);
        record.path = path;
        test::recordDirectUpdate(machine, record);
        // A key another part of the program left open must not redirect the lookup.
        machine.openKey("\\Software\\Quillfern Software", true);
        const TDirectUpdate update = make();
        EXPECT_TRUE(update.installed()) << path;
        EXPECT_EQ(update.exec(), exec());
        EXPECT_EQ(update.version(), "2.1");
        EXPECT_EQ(update.dataFormatVersion(), "3");
        EXPECT_EQ(update.installDate(), 45000.0);
        EXPECT_EQ(update.lastSelfCheck(), 45300.0);
    }
}

// Each fault turns a complete installation into none, and nothing of the earlier reading
// stays behind.
TEST_F(TDirectUpdateTest, AnythingShortOfACompleteRecordIsNotInstalled) {
    using Fault = std::function<void(platform::RegistryStore&)>;
    const auto editRecord = [](std::function<void(platform::RegistryStore&)> edit) -> Fault {
        return [edit](platform::RegistryStore& store) {
            store.openKey(TDirectUpdate::kRecordKey, false);
            edit(store);
            store.closeKey();
        };
    };
    const struct {
        const char* name;
        Fault fault;
    } cases[] = {
        {"no record", [](auto& store) { test::removeDirectUpdateRecord(store); }},
        {"no FirstVersRun", editRecord([](auto& store) { store.deleteValue("FirstVersRun"); })},
        {"no LastSelfCheck", editRecord([](auto& store) { store.deleteValue("LastSelfCheck"); })},
        {"FirstVersRun as text",
         editRecord([](auto& store) { store.writeString("FirstVersRun", "45000"); })},
        {"ExeName as a number", editRecord([](auto& store) { store.writeInteger("ExeName", 1); })},
        {"empty Path", editRecord([](auto& store) { store.writeString("Path", ""); })},
        {"no ExeName", editRecord([](auto& store) { store.deleteValue("ExeName"); })},
        {"program file gone",
         [this](auto&) { std::filesystem::remove(engineFolder + "/directupdate"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::makeFakeEngine(engineFolder, "directupdate");
        test::recordDirectUpdate(machine, record);
        TDirectUpdate update = make();
        ASSERT_TRUE(update.installed()) << c.name;
        c.fault(machine);
        update.CheckInstallation();
        EXPECT_FALSE(update.installed()) << c.name;
        EXPECT_EQ(update.exec(), "") << c.name;
        EXPECT_EQ(update.version(), "") << c.name;
        EXPECT_EQ(update.dataFormatVersion(), "") << c.name;
        EXPECT_EQ(update.installDate(), 0) << c.name;
        EXPECT_EQ(update.lastSelfCheck(), 0) << c.name;
    }
    // Looking for a missing record does not make one.
    test::removeDirectUpdateRecord(machine);
    make();
    EXPECT_FALSE(machine.keyExists(TDirectUpdate::kRecordKey));
}

TEST_F(TDirectUpdateTest, LaunchGivesTheEngineAnExistingDescriptorAndItsParameters) {
    const std::string descriptor = folder.makeFile("My Programs/harvex.duf");
    using Words = std::vector<std::string>;
    const struct {
        std::string duf;
        std::string params;
        std::vector<Words> programs;
    } cases[] = {
        {descriptor, "", {{exec(), descriptor}}},
        {descriptor, "-silent 'two words'", {{exec(), descriptor, "-silent", "two words"}}},
        {folder.file("My Programs/missing.duf"), "", {{exec()}}},
        {"", "-a -b", {{exec(), "-a", "-b"}}},
        // Parameters a shell would refuse start nothing.
        {descriptor, "-a 'open", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.duf + " " + c.params);
        TDirectUpdate update = make();
        update.setDufFilename(c.duf);
        update.setExecParams(c.params);
        shell.programs.clear();
        update.Launch();
        EXPECT_EQ(shell.programs, c.programs);
    }
}

TEST_F(TDirectUpdateTest, UpdateEngineStartsTheSelfUpdate) {
    make().UpdateEngine();
    EXPECT_EQ(shell.programs, (std::vector<std::vector<std::string>>{{exec(), "/UF"}}));
}

TEST_F(TDirectUpdateTest, NothingStartsOnceTheEngineIsGone) {
    TDirectUpdate update = make();
    ASSERT_TRUE(update.installed());
    test::removeDirectUpdateRecord(machine);
    update.Launch();
    update.UpdateEngine();
    EXPECT_TRUE(shell.programs.empty());
    EXPECT_FALSE(update.installed());
}

TEST_F(TDirectUpdateTest, PagesOpenInANormalWindowOrTheBoxGivesTheAddress) {
    TDirectUpdate update = make();
    update.OpenHomePage();
    update.OpenDownloadPage();
    EXPECT_EQ(shell.opened, (std::vector<std::pair<std::string, ShowMode>>{
                                {ProjectSite::directUpdate(), ShowMode::Normal},
                                {ProjectSite::directUpdateDownload(), ShowMode::Normal}}));

    shell.opens = false;
    prompts.expectMessage(MessageIcon::None, "Harvex2",
                          "Please go to : \r\n" + ProjectSite::directUpdate(),
                          {MessageButton::Ok, MessageButton::Cancel}, MessageButton::Cancel);
    update.OpenHomePage();
    prompts.expectMessage(MessageIcon::None, "Harvex2",
                          "Please download : \r\n" + ProjectSite::directUpdateDownload(),
                          {MessageButton::Ok, MessageButton::Cancel}, MessageButton::Ok);
    update.OpenDownloadPage();
}

} // namespace
} // namespace harvex2::core
