#include "ui/shell/DesktopPlatform.h"

#include "core/ledger/Ledger.h"
#include "core/shell/RecoveryJournal.h"

namespace harvex2::ui {

using platform::FileRegistryStore;
using platform::Hive;

DesktopPlatform::DesktopPlatform()
    : userStore_(Hive::CurrentUser, FileRegistryStore::defaultPath(Hive::CurrentUser)),
      machineStore_(Hive::LocalMachine, FileRegistryStore::defaultPath(Hive::LocalMachine)),
      dde_(shell_), automation_(machineStore_, shell_) {}

AppServices DesktopPlatform::services() {
    AppServices services;
    services.dde = &dde_;
    services.automation = &automation_;
    services.jsonRpc = &jsonRpc_;
    services.launcher = &launcher_;
    services.prompts = &prompts_;
    services.windowThread = &windowThread_;
    services.shell = &shell_;
    services.userStore = &userStore_;
    services.machineStore = &machineStore_;
    services.recoveryFolder = core::RecoveryJournal::standardFolder();
    services.ledgerPath = core::Ledger::defaultPath();
    return services;
}

} // namespace harvex2::ui
