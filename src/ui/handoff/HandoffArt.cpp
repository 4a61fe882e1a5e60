#include "ui/handoff/HandoffArt.h"

#include <array>

#include <QPainter>
#include <QPainterPath>

namespace harvex2::ui {

namespace {

const QColor kOcean(40, 110, 210);
const QColor kLand(60, 170, 70);
const QColor kTileBlue(16, 24, 90);
const QColor kLogoRed(230, 30, 30);
const QColor kTickGreen(20, 160, 40);
const QColor kArrowBlue(20, 70, 220);
const QColor kCrossRed(210, 20, 20);
const QColor kTileOrange(235, 120, 20);

// A pen whose width grows with the drawing, so the same code serves 16 and 32 pixels.
QPen strokePen(const QColor& color, const QRectF& box, qreal share) {
    QPen pen(color, std::max(1.0, box.width() * share));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPointF at(const QRectF& box, qreal x, qreal y) {
    return {box.left() + box.width() * x, box.top() + box.height() * y};
}

} // namespace

void HandoffArt::globe(QPainter& painter, const QRectF& box) {
    painter.save();
    const QRectF ball = box.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(kOcean.darker(160), 1));
    painter.setBrush(kOcean);
    painter.drawEllipse(ball);
    QPainterPath land;
    land.moveTo(at(ball, 0.25, 0.2));
    land.quadTo(at(ball, 0.55, 0.25), at(ball, 0.45, 0.55));
    land.quadTo(at(ball, 0.3, 0.8), at(ball, 0.15, 0.55));
    land.closeSubpath();
    land.addEllipse(QRectF(at(ball, 0.6, 0.55), at(ball, 0.85, 0.8)));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLand);
    painter.drawPath(land);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ball.adjusted(ball.width() * 0.3, 0, -ball.width() * 0.3, 0));
    painter.drawLine(at(ball, 0.05, 0.5), at(ball, 0.95, 0.5));
    painter.restore();
}

void HandoffArt::page(QPainter& painter, const QRectF& box) {
    painter.save();
    const qreal fold = box.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(box.topLeft());
    sheet.lineTo(box.right() - fold, box.top());
    sheet.lineTo(box.right(), box.top() + fold);
    sheet.lineTo(box.bottomRight());
    sheet.lineTo(box.bottomLeft());
    sheet.closeSubpath();
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    painter.setPen(QPen(Qt::gray, 1));
    for (qreal y = box.top() + fold + 2; y < box.bottom() - 2; y += 3) {
        painter.drawLine(QPointF(box.left() + 2, y), QPointF(box.right() - 2, y));
    }
    painter.restore();
}

void HandoffArt::netVampireLogo(QPainter& painter, const QRectF& box) {
    // Letters as a pixel pattern: at 16 pixels each cell is one pixel and stays sharp.
    static constexpr std::array<const char*, 5> kLetters{"X..X.X.X", "XX.X.X.X", "X.XX.X.X",
                                                         "X..X.X.X", "X..X..X."};
    constexpr int kColumns = 9;
    constexpr int kRows = 9;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(box, kTileBlue);
    const qreal cellWidth = box.width() / kColumns;
    const qreal cellHeight = box.height() / kRows;
    for (std::size_t row = 0; row < kLetters.size(); ++row) {
        for (int column = 0; kLetters[row][column] != '\0'; ++column) {
            if (kLetters[row][column] == 'X') {
                painter.fillRect(QRectF(box.left() + (column + 1) * cellWidth,
                                        box.top() + (static_cast<qreal>(row) + 2) * cellHeight,
                                        cellWidth, cellHeight),
                                 kLogoRed);
            }
        }
    }
    painter.restore();
}

void HandoffArt::reGetLogo(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLand);
    painter.drawPolygon(QPolygonF{at(box, 0.5, 0.05), at(box, 0.5, 0.95), at(box, 0.0, 0.95)});
    painter.setBrush(kArrowBlue);
    painter.drawPolygon(QPolygonF{at(box, 0.5, 0.05), at(box, 1.0, 0.95), at(box, 0.5, 0.95)});
    painter.restore();
}

void HandoffArt::aria2Logo(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTileOrange);
    painter.drawRoundedRect(box, box.width() * 0.15, box.height() * 0.15);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF{at(box, 0.4, 0.12), at(box, 0.6, 0.12), at(box, 0.6, 0.45),
                                  at(box, 0.8, 0.45), at(box, 0.5, 0.72), at(box, 0.2, 0.45),
                                  at(box, 0.4, 0.45)});
    painter.drawRect(QRectF(at(box, 0.18, 0.8), at(box, 0.82, 0.9)));
    painter.restore();
}

void HandoffArt::commandLogo(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTileBlue);
    painter.drawRoundedRect(box, box.width() * 0.15, box.height() * 0.15);
    painter.setPen(strokePen(Qt::white, box, 0.12));
    painter.drawPolyline(QPolygonF{at(box, 0.2, 0.25), at(box, 0.45, 0.5), at(box, 0.2, 0.75)});
    painter.drawLine(at(box, 0.5, 0.78), at(box, 0.8, 0.78));
    painter.restore();
}

void HandoffArt::tick(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(strokePen(kTickGreen, box, 0.22));
    painter.drawPolyline(QPolygonF{at(box, 0.12, 0.55), at(box, 0.4, 0.85), at(box, 0.9, 0.15)});
    painter.restore();
}

void HandoffArt::arrow(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kArrowBlue);
    painter.drawPolygon(QPolygonF{at(box, 0.05, 0.35), at(box, 0.5, 0.35), at(box, 0.5, 0.08),
                                  at(box, 0.98, 0.5), at(box, 0.5, 0.92), at(box, 0.5, 0.65),
                                  at(box, 0.05, 0.65)});
    painter.restore();
}

void HandoffArt::cross(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(strokePen(kCrossRed, box, 0.22));
    painter.drawLine(at(box, 0.15, 0.15), at(box, 0.85, 0.85));
    painter.drawLine(at(box, 0.85, 0.15), at(box, 0.15, 0.85));
    painter.restore();
}

void HandoffArt::questionMark(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(strokePen(kCrossRed, box, 0.2));
    QPainterPath hook;
    hook.moveTo(at(box, 0.2, 0.3));
    hook.cubicTo(at(box, 0.2, -0.05), at(box, 0.85, -0.05), at(box, 0.8, 0.3));
    hook.cubicTo(at(box, 0.75, 0.5), at(box, 0.5, 0.45), at(box, 0.5, 0.68));
    painter.drawPath(hook);
    painter.drawPoint(at(box, 0.5, 0.92));
    painter.restore();
}

} // namespace harvex2::ui
