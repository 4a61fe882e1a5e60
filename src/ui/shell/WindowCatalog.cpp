#include "ui/shell/WindowCatalog.h"

#include "ui/extract/ExtractWindows.h"
#include "ui/handoff/HandoffWindows.h"
#include "ui/sequence/BrowseDirWindow.h"
#include "ui/sequence/SequenceWindows.h"
#include "ui/shell/EntrySelectionDialog.h"
#include "ui/shell/OptionsFactory.h"

#include <QWidget>

namespace harvex2::ui {

namespace {

// In creation order. A factory may make its window a child of services.mainWindow so that
// it is centred over it; the catalog still deletes it first. The Options dialog's factory
// shows the dialog's "Developer Mode" label when services.developerMode is set, before the
// next window is created.
constexpr WindowEntry kProgramWindows[] = {
    {WindowSlot::BaseUrlPrompt, "", SplashLine::None, &makeBaseUrlPrompt},
    {WindowSlot::ParseHtml, "Import ", SplashLine::First, &makeParseHtmlDialog},
    {WindowSlot::Adding, "Adding ", SplashLine::First, &makeAddingWindow},
    {WindowSlot::Sequential, "Sequential ", SplashLine::First, &makeSequentialDialog},
    {WindowSlot::SelectSpecial, "Select ", SplashLine::First, &makeEntrySelectionDialog},
    {WindowSlot::Options, "Options ", SplashLine::First, &makeOptionsDialog},
    {WindowSlot::BrowseDir, "BrowseDir ", SplashLine::First, &makeBrowseDirDialog},
    {WindowSlot::Connecting, "Connecting ", SplashLine::First, &makePleaseWaitWindow},
    {WindowSlot::MultipleSetup, "Multiple ", SplashLine::Second, &makeMultipleSetupDialog},
    {WindowSlot::MultipleProgress, "Multiple2 ", SplashLine::Second, &makeMultipleProgressWindow},
    {WindowSlot::SettingsList, "LoadSettings ", SplashLine::Second, &makeSettingsListDialog},
    {WindowSlot::SaveProfile, "SaveSettings ", SplashLine::Second, &makeSaveProfileDialog},
};

} // namespace

std::span<const WindowEntry> WindowCatalog::programWindows() {
    return kProgramWindows;
}

WindowCatalog::WindowCatalog(std::span<const WindowEntry> entries) : entries_(entries) {}

WindowCatalog::~WindowCatalog() = default;

void WindowCatalog::create(const WindowEntry& entry, AppServices& services) {
    if (entry.factory) {
        windows_[entry.slot] = entry.factory(services);
    }
}

QWidget* WindowCatalog::window(WindowSlot slot) const {
    const auto found = windows_.find(slot);
    return found == windows_.end() ? nullptr : found->second.get();
}

} // namespace harvex2::ui
