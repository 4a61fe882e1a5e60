#include "ui/shell/HotTabs.h"

#include <QMouseEvent>
#include <QTabBar>

namespace harvex2::ui {

HotTabs::HotTabs(QTabBar& bar) : QObject(&bar), bar_(bar) {
    bar.setMouseTracking(true);
    bar.installEventFilter(this);
}

bool HotTabs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &bar_) {
        if (event->type() == QEvent::MouseMove) {
            light(bar_.tabAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        } else if (event->type() == QEvent::Leave) {
            light(-1);
        }
    }
    return QObject::eventFilter(watched, event);
}

void HotTabs::light(int hot) {
    if (hot == hot_) {
        return;
    }
    if (hot_ >= 0 && hot_ < bar_.count()) {
        // An invalid colour gives the heading back its ordinary one.
        bar_.setTabTextColor(hot_, QColor());
    }
    hot_ = hot;
    if (hot_ >= 0) {
        bar_.setTabTextColor(hot_, bar_.palette().color(QPalette::Highlight));
    }
}

} // namespace harvex2::ui
