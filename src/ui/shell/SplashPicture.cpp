#include "ui/shell/SplashPicture.h"

#include "ui/shell/ArtPalette.h"
#include "ui/shell/Artwork.h"
#include "ui/shell/PaintedPixmap.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

using namespace palette;

void drawBackground(QPainter& p) {
    QLinearGradient sky(0, 0, 0, SplashPicture::kHeight);
    sky.setColorAt(0, QColor(0xe8, 0xf1, 0xfa));
    sky.setColorAt(1, kPaleBlue);
    p.setPen(QPen(kBlue, 1));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, SplashPicture::kWidth - 1, SplashPicture::kHeight - 1), 8,
                      8);
}

void drawTitle(QPainter& p) {
    p.drawPixmap(14, 12, Artwork::windowIcon().pixmap(48, 48));
    QFont title(u"Sans Serif"_s);
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kDeepBlue);
    p.drawText(QRect(70, 10, 145, 36), Qt::AlignLeft | Qt::AlignVCenter, u"Harvex2"_s);
    QFont subtitle(u"Sans Serif"_s);
    subtitle.setPixelSize(11);
    p.setFont(subtitle);
    p.setPen(kBlue);
    p.drawText(QRect(71, 44, 145, 16), Qt::AlignLeft | Qt::AlignVCenter, u"link harvester"_s);
}

// Four rows of a link list, two of them ticked.
void drawLinkRows(QPainter& p) {
    const QRectF sheet(14.5, 72.5, 130, 82);
    p.setPen(QPen(kBlue, 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    for (int row = 0; row < 4; ++row) {
        const qreal y = sheet.top() + 8 + row * 18;
        p.setPen(QPen(QColor(0x70, 0x70, 0x78), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(sheet.left() + 7, y, 10, 10));
        if (row % 2 == 0) {
            p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF{{sheet.left() + 9, y + 5},
                                     {sheet.left() + 11.5, y + 8},
                                     {sheet.left() + 15.5, y + 2}});
        }
        p.setPen(
            QPen(row % 2 == 0 ? kBlue : QColor(0xa0, 0xa8, 0xb0), 2, Qt::SolidLine, Qt::RoundCap));
        const qreal length = 70 + (row * 23) % 30;
        p.drawLine(QPointF(sheet.left() + 24, y + 5), QPointF(sheet.left() + 24 + length, y + 5));
    }
}

// An arrow from the list to a tray: the ticked links leave for the download manager.
void drawHandOff(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF{
        {152, 104}, {176, 104}, {176, 94}, {196, 113}, {176, 132}, {176, 122}, {152, 122}});
    p.setPen(QPen(kDeepBlue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{170, 140}, {170, 154}, {206, 154}, {206, 140}});
}

} // namespace

QPixmap SplashPicture::draw() {
    return paintedPixmap(
        QSize(kWidth, kHeight),
        [](QPainter& p) {
            drawBackground(p);
            drawTitle(p);
            drawLinkRows(p);
            drawHandOff(p);
        },
        Qt::white);
}

} // namespace harvex2::ui
