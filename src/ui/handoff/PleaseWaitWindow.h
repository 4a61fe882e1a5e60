#pragma once

#include "core/shell/SettingsRecord.h"
#include "ui/handoff/StatePictures.h"

#include <string>
#include <utility>
#include <vector>

#include <QWidget>

class QLabel;

namespace harvex2::ui {

// The small window a pass shows while it connects to the download manager.
class PleaseWaitWindow : public QWidget {
    Q_OBJECT
public:
    explicit PleaseWaitWindow(core::TargetProgram mode, QWidget* parent = nullptr);

    // Shows the window over the middle of `owner`, kept on the owner's screen, and paints it
    // at once: the pass goes on without giving the event loop a turn.
    void showOver(const QWidget& owner);
    // The line is painted at once: the pass goes on without giving the event loop a turn.
    void setStatus(const std::string& status);
    // Shows the icon of the target's pictures.
    void showTarget(core::TargetProgram mode);

private:
    void addIcon(const PictureSetName& set);

    std::vector<std::pair<PictureSet, QLabel*>> icons_;
    QLabel* status_;
};

} // namespace harvex2::ui
