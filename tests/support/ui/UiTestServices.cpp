#include "support/ui/UiTestServices.h"

namespace harvex2::test {

using platform::Hive;

UiTestServices::UiTestServices()
    : userFileStore(Hive::CurrentUser, userFile()),
      machineStore(Hive::LocalMachine, folder_.file("machine.reg")) {}

ui::AppServices UiTestServices::make() {
    ui::AppServices services;
    services.prompts = &prompts;
    services.shell = &shell;
    services.eventPump = &eventPump;
    services.userStore = &userStore;
    services.machineStore = &machineStore;
    services.dde = &dde;
    services.automation = &automation;
    services.jsonRpc = &jsonRpc;
    services.windowThread = &windowThread;
    services.programFolder = folder() + "/";
    return services;
}

} // namespace harvex2::test
