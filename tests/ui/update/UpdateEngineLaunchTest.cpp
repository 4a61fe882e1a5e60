#include "core/update/UpdateEngine.h"
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
    std::string engineFile = engineFolder + "/directupdate";
    std::string descriptor = folder.makeFile("My Programs/harvex.duf");
    platform::FileRegistryStore machine{platform::Hive::LocalMachine, folder.file("machine.reg")};
    QtShell shell;
    test::ScriptedPrompts prompts;
    core::UpdateEngine engine{machine, shell, prompts};
};

TEST_F(UpdateEngineLaunchTest, TheEngineReceivesTheDescriptorAndItsParameters) {
    engine.setDescriptorFile(descriptor);
    engine.launch();
    EXPECT_EQ(started(), engineFile + "\n[" + descriptor + "]\n");

    engine.setLaunchParameters("-silent 'two words'");
    engine.launch();
    EXPECT_EQ(started(), engineFile + "\n[" + descriptor + "]\n[-silent]\n[two words]\n");

    engine.setDescriptorFile(folder.file("My Programs/missing.duf"));
    engine.setLaunchParameters("");
    engine.launch();
    EXPECT_EQ(started(), engineFile + "\n");
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
        engine.setDescriptorFile(oddDescriptor);
        engine.launch();
        EXPECT_EQ(test::takeEngineRecord(odd).value_or("(not started)"),
                  odd + "/directupdate\n[" + oddDescriptor + "]\n");
        engine.updateItself();
        EXPECT_EQ(test::takeEngineRecord(odd).value_or("(not started)"),
                  odd + "/directupdate\n[/UF]\n");
    }
}

TEST_F(UpdateEngineLaunchTest, TheEngineUpdatesItself) {
    engine.updateItself();
    EXPECT_EQ(started(), engineFile + "\n[/UF]\n");
}

} // namespace
} // namespace harvex2::ui
