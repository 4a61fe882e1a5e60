#include "ui/update/UpdateCommands.h"

#include "support/core/DirectUpdateInstall.h"
#include "support/ui/MainWindowFixture.h"

#include <filesystem>
#include <optional>

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace harvex2::ui {
namespace {

using platform::MessageButton;
using platform::MessageIcon;
using test::MainWindowFixture;

class UpdateCommandsTest : public MainWindowFixture {
protected:
    void installEngine() {
        test::makeFakeEngine(engineFolder(), "directupdate");
        test::DirectUpdateRecord record;
        record.path = engineFolder();
        test::recordDirectUpdate(env.machineStore, record);
    }
    std::string engineFolder() const { return env.folder() + "/Direct Update"; }

    // Runs a menu command that opens the About box, notes the tab it opened on, moves it
    // to `leaveOn` and closes it.
    std::optional<AboutBox::Tab> aboutTabOf(const char* action,
                                            AboutBox::Tab leaveOn = AboutBox::Tab::About) {
        std::optional<AboutBox::Tab> shownTab;
        QTimer::singleShot(0, [&] {
            if (auto* shown = qobject_cast<AboutBox*>(QApplication::activeModalWidget())) {
                shownTab = shown->currentTab();
                shown->selectTab(leaveOn);
                shown->reject();
            }
        });
        this->action(action)->trigger();
        return shownTab;
    }
};

TEST_F(UpdateCommandsTest, TheEngineGetsTheDescriptorBesideTheProgramWhenThereIsOne) {
    installEngine();
    const std::string engine = engineFolder() + "/directupdate";
    action("Checkfornewversion1")->trigger();
    const std::string descriptor = env.folder() + "/harvex.duf";
    test::TempFolder::write(descriptor, "");
    action("Checkfornewversion1")->trigger();
    EXPECT_EQ(env.shell.programs,
              (std::vector<std::vector<std::string>>{{engine}, {engine, descriptor}}));
}

TEST_F(UpdateCommandsTest, WithoutTheEngineTheWarningLeadsToTheDirectUpdateTab) {
    env.prompts.expectMessage(MessageIcon::Warning, "Error updating Harvex",
                              "DirectUpdate is not installed.", {MessageButton::Ok},
                              MessageButton::Ok);
    EXPECT_EQ(aboutTabOf("Checkfornewversion1"), AboutBox::Tab::DirectUpdate);
    EXPECT_TRUE(env.shell.programs.empty());
}

TEST_F(UpdateCommandsTest, EveryAboutIsANewBoxOnItsFirstTab) {
    EXPECT_EQ(aboutTabOf("About1", AboutBox::Tab::Credits), AboutBox::Tab::About);
    EXPECT_EQ(aboutTabOf("About1"), AboutBox::Tab::About);
}

} // namespace
} // namespace harvex2::ui
