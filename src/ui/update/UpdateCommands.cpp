#include "ui/update/UpdateCommands.h"

#include "platform/Prompts.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"

namespace harvex2::ui {

UpdateCommands::UpdateCommands(AppServices& services, QObject* parent)
    : QObject(parent), services_(services),
      engine_(*services.machineStore, *services.shell, *services.prompts) {
    engine_.setDescriptorFile(kDescriptorName);
    services.mainHooks->checkForNewVersion = [this] { checkForNewVersion(); };
    services.mainHooks->about = [this] { showAbout(AboutBox::Tab::About); };
}

void UpdateCommands::checkForNewVersion() {
    engine_.checkInstallation();
    if (engine_.installed()) {
        engine_.setDescriptorFile(services_.programFolder + kDescriptorName);
        engine_.launch();
        return;
    }
    services_.prompts->message({platform::MessageIcon::Warning,
                                "Error updating Harvex",
                                "DirectUpdate is not installed.",
                                {platform::MessageButton::Ok}});
    showAbout(AboutBox::Tab::DirectUpdate);
}

void UpdateCommands::showAbout(AboutBox::Tab tab) {
    AboutBox box(services_, services_.mainWindow);
    box.selectTab(tab);
    box.exec();
}

} // namespace harvex2::ui
