#include "ui/platform/QtEventPump.h"

#include <QCoreApplication>

namespace harvex2::ui {

void QtEventPump::processEvents() {
    QCoreApplication::processEvents();
}

} // namespace harvex2::ui
