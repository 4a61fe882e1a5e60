#pragma once

#include "core/listfiles/OpenLinkList.h"
#include "core/listfiles/SaveChoice.h"
#include "core/listfiles/SaveLinks.h"
#include "ui/handoff/MainCommandLock.h"
#include "ui/listfiles/ComboBoxPair.h"
#include "ui/platform/RunDriver.h"

#include <optional>
#include <string>

#include <QObject>

class QComboBox;
class QDateTime;

namespace harvex2::ui {

struct AppServices;

// The main window's "&Save links..." and "O&pen Harvex links list..." (also reached from
// the toolbar, the command line and dropped files): takes over their hooks and keeps the
// open dialog's last path for as long as the window lives. A load or save runs from the
// window's event loop with the main window's commands locked; closing the window finishes
// a save and stops a load.
class ListFileCommands : public QObject {
    Q_OBJECT
public:
    // `services` must carry the main window, its list, status bar, prompts and hooks
    // already.
    ListFileCommands(AppServices& services, QComboBox& baseUrl, QComboBox& directory,
                     QObject* parent);

    // A fresh Save Links dialog, then the save it asks for.
    void saveLinks();
    // A preset path opens without asking.
    void openLinkList(const std::optional<std::string>& presetPath);
    bool running() const { return driver_.running(); }

    const core::OpenLinkList& openCommand() const { return open_; }

    // The HTML page's version and time of saving in the user's formats.
    static core::PageFooter pageFooter(const QDateTime& now);

private:
    void startRun(std::unique_ptr<core::SlicedRun> run, std::function<void()> finished);
    void windowClosed();

    AppServices& services_;
    ComboBoxPair boxes_;
    MainCommandLock lock_;
    RunDriver driver_;
    core::OpenLinkList open_;
    core::SaveLinks save_;
};

} // namespace harvex2::ui
