#include "ui/shell/Artwork.h"

#include "ui/shell/ArtPalette.h"
#include "ui/shell/PaintedPixmap.h"

#include <QPainter>
#include <QPainterPath>

namespace harvex2::ui {

namespace {

using namespace palette;

const QColor kInk(0x30, 0x30, 0x38);
const QColor kRed(0xc8, 0x32, 0x2c);

QPen pen(const QColor& color, qreal width = 1.0) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sheet of paper with a folded top right corner.
void drawPage(QPainter& p, const QRectF& r) {
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - 4, r.top());
    sheet.lineTo(r.right(), r.top() + 4);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    p.setPen(pen(kInk));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF{
        {r.right() - 4, r.top()}, {r.right() - 4, r.top() + 4}, {r.right(), r.top() + 4}});
}

void drawParseHtml(QPainter& p) {
    drawPage(p, {2.5, 0.5, 11, 15});
    p.setPen(pen(kBlue, 1.3));
    p.drawPolyline(QPolygonF{{6.5, 5}, {4, 8}, {6.5, 11}});
    p.drawPolyline(QPolygonF{{9.5, 5}, {12, 8}, {9.5, 11}});
}

void drawOpenList(QPainter& p) {
    p.setPen(pen(QColor(0x9a, 0x74, 0x10)));
    p.setBrush(QColor(0xd9, 0xa8, 0x2e));
    p.drawPolygon(QPolygonF{{0.5, 3.5}, {5.5, 3.5}, {7, 5}, {13.5, 5}, {13.5, 13.5}, {0.5, 13.5}});
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF{{3, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {0.5, 13.5}});
}

void drawSequence(QPainter& p) {
    for (int i = 0; i < 3; ++i) {
        drawPage(p, {0.5 + 2.5 * i, 0.5 + 2.5 * i, 8, 10});
    }
    p.setPen(pen(kGreen, 2.0));
    p.drawLine(QPointF(12.5, 9), QPointF(12.5, 15));
    p.drawLine(QPointF(9.5, 12), QPointF(15.5, 12));
}

void drawClearList(QPainter& p) {
    p.setPen(pen(kRed, 2.5));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawRemoveSelected(QPainter& p) {
    p.setPen(pen(kInk));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 10, 10));
    p.setPen(pen(kGreen, 1.8));
    p.drawPolyline(QPolygonF{{2.5, 5.5}, {4.8, 8}, {8.8, 2.8}});
    p.setPen(pen(kRed, 2.5));
    p.drawLine(QPointF(9, 13), QPointF(15, 13));
}

void drawSaveLinks(QPainter& p) {
    p.setPen(pen(kDeepBlue));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}});
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(kPaleBlue);
    p.drawRect(QRectF(4, 9.5, 8, 5));
}

void drawTextFiles(QPainter& p) {
    drawPage(p, {2.5, 0.5, 11, 15});
    p.setPen(pen(QColor(0x80, 0x80, 0x88)));
    for (int line = 0; line < 4; ++line) {
        const qreal y = 5.5 + 2.5 * line;
        p.drawLine(QPointF(4.5, y), QPointF(line == 3 ? 8.5 : 11.5, y));
    }
}

void drawAbout(QPainter& p) {
    p.setPen(pen(kDeepBlue));
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3, 2.2, 2.2));
    p.drawRect(QRectF(7, 6.5, 2.2, 6.5));
}

void drawLoadFile(QPainter& p) {
    p.setPen(pen(kDeepBlue));
    p.setBrush(kPaleBlue);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(4.5, 0.5, 7, 15));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 15.5));
    p.drawLine(QPointF(0.5, 8), QPointF(15.5, 8));
    p.drawLine(QPointF(2, 4.5), QPointF(14, 4.5));
    p.drawLine(QPointF(2, 11.5), QPointF(14, 11.5));
}

void drawImage(QPainter& p, ArtImage which) {
    switch (which) {
    case ArtImage::ParseHtml:
        return drawParseHtml(p);
    case ArtImage::OpenList:
        return drawOpenList(p);
    case ArtImage::Sequence:
        return drawSequence(p);
    case ArtImage::ClearList:
        return drawClearList(p);
    case ArtImage::RemoveSelected:
        return drawRemoveSelected(p);
    case ArtImage::SaveLinks:
        return drawSaveLinks(p);
    case ArtImage::TextFiles:
        return drawTextFiles(p);
    case ArtImage::About:
        return drawAbout(p);
    case ArtImage::LoadFile:
        return drawLoadFile(p);
    }
}

// The program's mark: a white H on a blue tile over a yellow arrow head, on a 64 by 64 grid.
void drawMark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 16), QPointF(18, 48));
    p.drawLine(QPointF(46, 16), QPointF(46, 48));
    p.drawLine(QPointF(18, 32), QPointF(46, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF{{32, 40}, {25, 48}, {39, 48}});
}

} // namespace

QPixmap Artwork::image(ArtImage which) {
    return paintedPixmap(QSize(kImageSize, kImageSize),
                         [which](QPainter& p) { drawImage(p, which); });
}

QIcon Artwork::windowIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(paintedPixmap(QSize(size, size), [size](QPainter& p) {
            p.scale(size / 64.0, size / 64.0);
            drawMark(p);
        }));
    }
    return icon;
}

} // namespace harvex2::ui
