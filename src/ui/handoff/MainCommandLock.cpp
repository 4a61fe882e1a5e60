#include "ui/handoff/MainCommandLock.h"

#include "ui/shell/MainWindow.h"

namespace harvex2::ui {

void MainCommandLock::setLocked(bool locked) {
    if (locked) {
        acceptedDrops_ = window_.acceptDrops();
        window_.setAcceptDrops(false);
        for (QWidget* widget : window_.commandWidgets()) {
            if (!widget->testAttribute(Qt::WA_ForceDisabled)) {
                locked_.emplace_back(widget);
            }
        }
        for (const QPointer<QWidget>& widget : locked_) {
            widget->setEnabled(false);
        }
        return;
    }
    for (const QPointer<QWidget>& widget : locked_) {
        if (widget) {
            widget->setEnabled(true);
        }
    }
    locked_.clear();
    window_.setAcceptDrops(acceptedDrops_);
}

} // namespace harvex2::ui
