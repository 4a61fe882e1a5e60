#include "ui/platform/QtWindowThread.h"

#include <QMetaObject>

namespace harvex2::ui {

void QtWindowThread::post(std::function<void()> task) {
    QMetaObject::invokeMethod(&receiver_, std::move(task), Qt::QueuedConnection);
}

} // namespace harvex2::ui
