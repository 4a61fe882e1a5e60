#include "ui/handoff/StatePictures.h"

#include "ui/handoff/HandoffArt.h"

#include <QPainter>

namespace harvex2::ui {

namespace {

using core::RowPicture;

constexpr std::int32_t kReGetMode = 1;

const QRectF kGlobe(0, 0, 8.5, 8.5);
const QRectF kSymbol(0.5, 8.5, 7, 7);
const QRectF kLogo(7, 3, 9, 9);

void drawLogo(QPainter& painter, PictureSet set, const QRectF& box) {
    if (set == PictureSet::ReGet) {
        HandoffArt::reGetLogo(painter, box);
    } else {
        HandoffArt::netVampireLogo(painter, box);
    }
}

void drawSymbol(QPainter& painter, RowPicture picture) {
    switch (picture) {
    case RowPicture::Added:
        HandoffArt::tick(painter, kSymbol);
        break;
    case RowPicture::Adding:
        HandoffArt::arrow(painter, kSymbol);
        break;
    case RowPicture::Refused:
        HandoffArt::cross(painter, kSymbol);
        break;
    case RowPicture::Waiting:
    case RowPicture::Fatal:
        break;
    }
}

// Waiting shows the globe alone; a fatal error drops the globe for a question mark.
QPixmap drawState(PictureSet set, RowPicture picture) {
    QPixmap pixmap(StatePictures::kStateSize, StatePictures::kStateSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (picture == RowPicture::Fatal) {
        HandoffArt::questionMark(painter, QRectF(0.5, 2, 7.5, 12));
        drawLogo(painter, set, kLogo);
        return pixmap;
    }
    HandoffArt::globe(painter, kGlobe);
    if (picture != RowPicture::Waiting) {
        drawSymbol(painter, picture);
        drawLogo(painter, set, kLogo);
    }
    return pixmap;
}

} // namespace

PictureSet StatePictures::forMode(std::int32_t mode) {
    return mode == kReGetMode ? PictureSet::ReGet : PictureSet::NetVampire;
}

std::array<QPixmap, 5> StatePictures::stateSet(PictureSet set) {
    return {drawState(set, RowPicture::Added), drawState(set, RowPicture::Adding),
            drawState(set, RowPicture::Refused), drawState(set, RowPicture::Waiting),
            drawState(set, RowPicture::Fatal)};
}

QPixmap StatePictures::pleaseWaitIcon(PictureSet set) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    HandoffArt::globe(painter, QRectF(0, 0, 16, 16));
    HandoffArt::page(painter, QRectF(3.5, 11.5, 11, 19));
    drawLogo(painter, set, QRectF(14, 14, 18, 18));
    return pixmap;
}

} // namespace harvex2::ui
