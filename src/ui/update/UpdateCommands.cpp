#include "ui/update/UpdateCommands.h"

#include "platform/Prompts.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowHooks.h"

namespace harvex2::ui {

UpdateCommands::UpdateCommands(AppServices& services, QObject* parent)
    : QObject(parent), services_(services),
      update_(*services.machineStore, *services.shell, *services.prompts) {
    update_.setDufFilename(kDescriptorName);
    services.mainHooks->checkForNewVersion = [this] { checkForNewVersion(); };
    services.mainHooks->about = [this] { showAbout(AboutBox::Tab::About); };
}

void UpdateCommands::checkForNewVersion() {
    update_.CheckInstallation();
    if (update_.installed()) {
        update_.setDufFilename(services_.programFolder + kDescriptorName);
        update_.Launch();
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
