#include "core/update/TDirectUpdate.h"
#include "platform/posix/FileRegistryStore.h"
#include "support/core/DirectUpdateInstall.h"
#include "support/core/ScriptedPrompts.h"
#include "support/core/TempFolder.h"
#include "ui/platform/QtShell.h"

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

// The engine as a real program, started through the desktop shell the program uses: what
// it records is what it was given.
class UpdateEngineLaunchTest : public testing::Test {
protected:
    UpdateEngineLaunchTest() {
        test::makeFakeEngine(engineFolder, "directupdate");
        test::DirectUpdateRecord record;
        record.path = engineFolder;
        test::recordDirectUpdate(machine, record);
    }

    std::string started() const {
        return test::takeEngineRecord(engineFolder).value_or("(not started)");
    }

    test::TempFolder folder;
    std::string engineFolder = folder.file("Direct Update");
    std::string exec = engineFolder + "/directupdate";
    std::string descriptor = folder.makeFile("My Programs/harvex.duf");
    platform::FileRegistryStore machine{platform::Hive::LocalMachine, folder.file("machine.reg")};
    QtShell shell;
    test::ScriptedPrompts prompts;
    core::TDirectUpdate update{machine, shell, prompts};
};

TEST_F(UpdateEngineLaunchTest, TheEngineReceivesTheDescriptorAndItsParameters) {
    update.setDufFilename(descriptor);
    update.Launch();
    EXPECT_EQ(started(), exec + "\n[" + descriptor + "]\n");

    update.setExecParams("-silent 'two words'");
    update.Launch();
    EXPECT_EQ(started(), exec + "\n[" + descriptor + "]\n[-silent]\n[two words]\n");

    update.setDufFilename(folder.file("My Programs/missing.duf"));
    update.setExecParams("");
    update.Launch();
    EXPECT_EQ(started(), exec + "\n");
}

// Quotes and blanks in a recorded folder or a descriptor's path are part of the name: they
// must neither start another program nor keep the engine from starting.
TEST_F(UpdateEngineLaunchTest, OddCharactersInThePathsReachTheEngineAsTheyStand) {
    for (const std::string name : {R"(evil" "-c)", R"(it's \"q\")", "$HOME `id` *"}) {
        SCOPED_TRACE(name);
        const std::string odd = folder.file(name);
        test::makeFakeEngine(odd, "directupdate");
        test::DirectUpdateRecord record;
        record.path = odd;
        test::recordDirectUpdate(machine, record);
        const std::string oddDescriptor = folder.makeFile(name + ".duf");
        update.setDufFilename(oddDescriptor);
        update.Launch();
        EXPECT_EQ(test::takeEngineRecord(odd).value_or("(not started)"),
                  odd + "/directupdate\n[" + oddDescriptor + "]\n");
        update.UpdateEngine();
        EXPECT_EQ(test::takeEngineRecord(odd).value_or("(not started)"),
                  odd + "/directupdate\n[/UF]\n");
    }
}

TEST_F(UpdateEngineLaunchTest, TheEngineUpdatesItself) {
    update.UpdateEngine();
    EXPECT_EQ(started(), exec + "\n[/UF]\n");
}

} // namespace
} // namespace harvex2::ui
