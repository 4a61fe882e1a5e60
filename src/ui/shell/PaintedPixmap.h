#pragma once

#include <functional>

#include <QColor>
#include <QPixmap>

class QPainter;

namespace harvex2::ui {

// A picture of `size` that `draw` paints, antialiased, over `background`.
QPixmap paintedPixmap(QSize size, const std::function<void(QPainter&)>& draw,
                      const QColor& background = Qt::transparent);

} // namespace harvex2::ui
