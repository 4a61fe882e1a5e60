#include "ui/sequence/ProfileButtons.h"

#include "core/sequence/SequenceProfiles.h"
#include "platform/Failure.h"
#include "ui/sequence/SaveProfileDialog.h"
#include "ui/sequence/SequentialDialog.h"
#include "ui/sequence/SettingsListDialog.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowCatalog.h"

namespace harvex2::ui {

using platform::MessageButton;
using platform::MessageIcon;

namespace {
template <class Dialog> Dialog* windowOf(AppServices& services, WindowSlot slot) {
    return dynamic_cast<Dialog*>(services.windows->window(slot));
}
} // namespace

void ProfileButtons::save() {
    auto* ask = windowOf<SaveProfileDialog>(services_, WindowSlot::SaveProfile);
    if (!ask || ask->exec() != QDialog::Accepted) {
        return;
    }
    try {
        core::SequenceProfiles::save(*services_.userStore, ask->profileName(), dialog_.fields());
    } catch (const platform::RegistryError& failure) {
        services_.prompts->report({platform::FailureKind::General, failure.what()});
    }
}

void ProfileButtons::load() {
    auto* pick = windowOf<SettingsListDialog>(services_, WindowSlot::SettingsList);
    if (!pick || pick->exec() != QDialog::Accepted) {
        return;
    }
    const auto name = pick->selectedName();
    if (!name) {
        return;
    }
    core::SequenceFields fields = dialog_.fields();
    try {
        if (!core::SequenceProfiles::load(*services_.userStore, *name, fields)) {
            services_.prompts->message({MessageIcon::Error,
                                        "Load failed",
                                        "Couldn't open key to load settings",
                                        {MessageButton::Ok}});
            return;
        }
    } catch (const platform::RegistryError& failure) {
        // The values read before the failing one are kept, as they were set one by one.
        dialog_.setFields(fields);
        services_.prompts->report({platform::FailureKind::General, failure.what()});
        return;
    }
    dialog_.setFields(fields);
}

} // namespace harvex2::ui
