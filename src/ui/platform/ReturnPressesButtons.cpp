#include "ui/platform/ReturnPressesButtons.h"

#include <QKeyEvent>
#include <QPushButton>

namespace harvex2::ui {

bool ReturnPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!button || !returnKey) {
        return QObject::eventFilter(watched, event);
    }
    // A held key presses once: a repeat would start the button's work again and again.
    if (!key->isAutoRepeat()) {
        button->click();
    }
    return true;
}

} // namespace harvex2::ui
