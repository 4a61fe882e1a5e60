#include "ui/update/WebLink.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace harvex2::ui {

WebLink::WebLink(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // A disabled link keeps the palette's grey, so it reads as not available.
    QPalette look = palette();
    look.setColor(QPalette::Active, QPalette::WindowText, Qt::blue);
    look.setColor(QPalette::Inactive, QPalette::WindowText, Qt::blue);
    setPalette(look);
}

void WebLink::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void WebLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace harvex2::ui
