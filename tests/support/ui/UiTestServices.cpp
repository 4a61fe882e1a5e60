#include "support/ui/UiTestServices.h"

#include "ui/platform/FailureBox.h"
#include "ui/platform/RunDriver.h"

#include <memory>

namespace harvex2::test {

using platform::Hive;

UiTestServices::UiTestServices()
    : userFileStore(Hive::CurrentUser, userFile()),
      machineStore(Hive::LocalMachine, folder_.file("machine.reg")) {
    // As a real box is answered: from the event loop, after ask() has returned.
    prompts.answerThrough(windowThread);
    // Window tests see failures as the boxes the program shows.
    prompts.showFailuresAs(&ui::FailureBox::requestFor);
}

ui::AppServices UiTestServices::make() {
    ui::AppServices services;
    services.prompts = &prompts;
    services.shell = &shell;
    services.userStore = &userStore;
    services.machineStore = &machineStore;
    services.dde = &dde;
    services.automation = &automation;
    services.jsonRpc = &jsonRpc;
    services.launcher = &launcher;
    services.windowThread = &windowThread;
    services.programFolder = folder() + "/";
    services.ledgerPath = ledgerPath;
    // Half a turn per reading: every turn of the loop does one slice of a run.
    services.runClock = [now = std::make_shared<ui::RunDriver::Clock::time_point>()] {
        return *now += ui::RunDriver::kTurn / 2;
    };
    return services;
}

} // namespace harvex2::test
