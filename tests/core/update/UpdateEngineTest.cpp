#include "core/update/UpdateEngine.h"

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

class UpdateEngineTest : public testing::Test {
protected:
    UpdateEngineTest() {
        test::makeFakeEngine(engineFolder, "directupdate");
        record.path = engineFolder;
        test::recordDirectUpdate(machine, record);
    }

    UpdateEngine make() { return UpdateEngine(machine, shell, prompts); }
    std::string engineFile() const { return engineFolder + "/directupdate"; }

    test::TempFolder folder;
    std::string engineFolder = folder.file("Direct Update");
    platform::FileRegistryStore machine{Hive::LocalMachine, folder.file("machine.reg")};
    test::RecordingShell shell;
    test::ScriptedPrompts prompts;
    test::DirectUpdateRecord record;
};

TEST_F(UpdateEngineTest, StartsEmptyBesidesTheComponentVersion) {
    test::removeDirectUpdateRecord(machine);
    const UpdateEngine engine = make();
    EXPECT_EQ(engine.componentVersion(), "1.00");
    EXPECT_FALSE(engine.installed());
    EXPECT_EQ(engine.programFile(), "");
    EXPECT_EQ(engine.version(), "");
    EXPECT_EQ(engine.dataFormatVersion(), "");
    EXPECT_EQ(engine.installDate(), 0);
    EXPECT_EQ(engine.lastSelfCheck(), 0);
    EXPECT_EQ(engine.launchParameters(), "");
    EXPECT_EQ(engine.descriptorFile(), "");
}

TEST_F(UpdateEngineTest, ReadsTheRecordWithOrWithoutASeparatorAfterThePath) {
    for (const std::string& path : {engineFolder, engineFolder + "/"}) {
        SCOPED_TRACE(path);
        record.path = path;
        test::recordDirectUpdate(machine, record);
        // A key another part of the program left open must not redirect the lookup.
        machine.openKey("\\Software\\Quillfern Software", true);
        const UpdateEngine engine = make();
        EXPECT_TRUE(engine.installed()) << path;
        EXPECT_EQ(engine.programFile(), engineFile());
        EXPECT_EQ(engine.version(), "2.1");
        EXPECT_EQ(engine.dataFormatVersion(), "3");
        EXPECT_EQ(engine.installDate(), 45000.0);
        EXPECT_EQ(engine.lastSelfCheck(), 45300.0);
    }
}

// Each fault turns a complete installation into none, and nothing of the earlier reading
// stays behind.
TEST_F(UpdateEngineTest, AnythingShortOfACompleteRecordIsNotInstalled) {
    using Fault = std::function<void(platform::RegistryStore&)>;
    const auto editRecord = [](std::function<void(platform::RegistryStore&)> edit) -> Fault {
        return [edit](platform::RegistryStore& store) {
            store.openKey(UpdateEngine::kRecordKey, false);
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
        UpdateEngine engine = make();
        ASSERT_TRUE(engine.installed()) << c.name;
        c.fault(machine);
        engine.checkInstallation();
        EXPECT_FALSE(engine.installed()) << c.name;
        EXPECT_EQ(engine.programFile(), "") << c.name;
        EXPECT_EQ(engine.version(), "") << c.name;
        EXPECT_EQ(engine.dataFormatVersion(), "") << c.name;
        EXPECT_EQ(engine.installDate(), 0) << c.name;
        EXPECT_EQ(engine.lastSelfCheck(), 0) << c.name;
    }
    // Looking for a missing record does not make one.
    test::removeDirectUpdateRecord(machine);
    make();
    EXPECT_FALSE(machine.keyExists(UpdateEngine::kRecordKey));
}

TEST_F(UpdateEngineTest, LaunchGivesTheEngineAnExistingDescriptorAndItsParameters) {
    const std::string descriptor = folder.makeFile("My Programs/harvex.duf");
    using Words = std::vector<std::string>;
    const struct {
        std::string duf;
        std::string params;
        std::vector<Words> programs;
    } cases[] = {
        {descriptor, "", {{engineFile(), descriptor}}},
        {descriptor, "-silent 'two words'", {{engineFile(), descriptor, "-silent", "two words"}}},
        {folder.file("My Programs/missing.duf"), "", {{engineFile()}}},
        {"", "-a -b", {{engineFile(), "-a", "-b"}}},
        // Parameters a shell would refuse start nothing.
        {descriptor, "-a 'open", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.duf + " " + c.params);
        UpdateEngine engine = make();
        engine.setDescriptorFile(c.duf);
        engine.setLaunchParameters(c.params);
        shell.programs.clear();
        engine.launch();
        EXPECT_EQ(shell.programs, c.programs);
    }
}

TEST_F(UpdateEngineTest, UpdatingItselfStartsTheSelfUpdate) {
    make().updateItself();
    EXPECT_EQ(shell.programs, (std::vector<std::vector<std::string>>{{engineFile(), "/UF"}}));
}

TEST_F(UpdateEngineTest, NothingStartsOnceTheEngineIsGone) {
    UpdateEngine engine = make();
    ASSERT_TRUE(engine.installed());
    test::removeDirectUpdateRecord(machine);
    engine.launch();
    engine.updateItself();
    EXPECT_TRUE(shell.programs.empty());
    EXPECT_FALSE(engine.installed());
}

TEST_F(UpdateEngineTest, PagesOpenInANormalWindowOrTheBoxGivesTheAddress) {
    UpdateEngine engine = make();
    engine.openHomePage();
    engine.openDownloadPage();
    EXPECT_EQ(shell.opened, (std::vector<std::pair<std::string, ShowMode>>{
                                {ProjectSite::directUpdate(), ShowMode::Normal},
                                {ProjectSite::directUpdateDownload(), ShowMode::Normal}}));

    shell.opens = false;
    prompts.expectMessage(MessageIcon::None, "Harvex2",
                          "Please go to : \r\n" + ProjectSite::directUpdate(),
                          {MessageButton::Ok, MessageButton::Cancel}, MessageButton::Cancel);
    engine.openHomePage();
    prompts.expectMessage(MessageIcon::None, "Harvex2",
                          "Please download : \r\n" + ProjectSite::directUpdateDownload(),
                          {MessageButton::Ok, MessageButton::Cancel}, MessageButton::Ok);
    engine.openDownloadPage();
}

} // namespace
} // namespace harvex2::core
