#pragma once

#include "core/shell/UndoHistory.h"

#include <QObject>

namespace harvex2::core {
class LinkList;
}
namespace harvex2::platform {
class Prompts;
}

namespace harvex2::ui {

// Gives the main window's link list its undo history. What the program does between two
// of the user's key presses, clicks or drops is one change, however many batches it takes.
class ListUndo : public QObject {
public:
    // The window owns both the list and this, and lets the list go first.
    ListUndo(core::LinkList& links, platform::Prompts* prompts, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    core::LinkList& links_;
    core::UndoHistory history_;
};

} // namespace harvex2::ui
