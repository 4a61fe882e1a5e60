#include "ui/handoff/MainCommandLock.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

std::vector<QWidget*> MainCommandLock::commandWidgets() const {
    std::vector<QWidget*> widgets{window_.menuBar()};
    for (QToolBar* toolBar : window_.findChildren<QToolBar*>()) {
        widgets.push_back(toolBar);
    }
    // The pop-up menus, the list's included, reach the same commands as the menu bar.
    for (QMenu* menu : window_.findChildren<QMenu*>()) {
        widgets.push_back(menu);
    }
    for (const QString& name : {u"Button1"_s, u"Button2"_s, u"Button3"_s}) {
        if (auto* button = window_.findChild<QPushButton*>(name)) {
            widgets.push_back(button);
        }
    }
    return widgets;
}

void MainCommandLock::setLocked(bool locked) {
    if (locked) {
        acceptedDrops_ = window_.acceptDrops();
        window_.setAcceptDrops(false);
        for (QWidget* widget : commandWidgets()) {
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
