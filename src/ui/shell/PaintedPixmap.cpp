#include "ui/shell/PaintedPixmap.h"

#include <QPainter>

namespace harvex2::ui {

QPixmap paintedPixmap(QSize size, const std::function<void(QPainter&)>& draw,
                      const QColor& background) {
    QPixmap pixmap(size);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return pixmap;
}

} // namespace harvex2::ui
