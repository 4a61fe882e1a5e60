#pragma once

#include <QRectF>

class QPainter;

namespace harvex2::ui {

// The drawn parts the hand-off pictures are made of; each fills the rectangle it is given.
class HandoffArt {
public:
    static void globe(QPainter& painter, const QRectF& box);
    static void page(QPainter& painter, const QRectF& box);
    // Red letters NV on a dark blue tile.
    static void netVampireLogo(QPainter& painter, const QRectF& box);
    // A green and blue triangle.
    static void reGetLogo(QPainter& painter, const QRectF& box);
    // A white arrow pointing down into a tray, on an orange tile.
    static void aria2Logo(QPainter& painter, const QRectF& box);
    // A terminal's prompt.
    static void commandLogo(QPainter& painter, const QRectF& box);
    static void tick(QPainter& painter, const QRectF& box);
    static void arrow(QPainter& painter, const QRectF& box);
    static void cross(QPainter& painter, const QRectF& box);
    static void questionMark(QPainter& painter, const QRectF& box);
};

} // namespace harvex2::ui
