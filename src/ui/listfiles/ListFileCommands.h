#pragma once

#include "core/listfiles/OpenLinkList.h"
#include "core/listfiles/SaveChoice.h"
#include "ui/listfiles/ComboBoxPair.h"

#include <optional>
#include <string>

#include <QObject>

class QComboBox;
class QDateTime;

namespace harvex2::ui {

struct AppServices;

// The main window's "&Save links..." and "O&pen Harvex links list..." (also reached from
// the toolbar, the command line and dropped files): takes over their hooks and keeps the
// open dialog's last path for as long as the window lives.
class ListFileCommands : public QObject {
    Q_OBJECT
public:
    // `services` must carry the main window's list, status bar, prompts and hooks already.
    ListFileCommands(AppServices& services, QComboBox& baseUrl, QComboBox& directory,
                     QObject* parent);

    // SaveHTML1Click: a fresh Save Links dialog, then the save it asks for.
    void saveLinks();
    // Openlist1Click: a preset path opens without asking.
    void openLinkList(const std::optional<std::string>& presetPath);

    const core::OpenLinkList& openCommand() const { return open_; }

    // The HTML page's version and time of saving in the user's formats.
    static core::PageFooter pageFooter(const QDateTime& now);

private:
    AppServices& services_;
    ComboBoxPair boxes_;
    core::OpenLinkList open_;
};

} // namespace harvex2::ui
