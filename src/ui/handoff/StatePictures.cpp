#include "ui/handoff/StatePictures.h"

#include "ui/handoff/HandoffArt.h"
#include "ui/shell/PaintedPixmap.h"

#include <QPainter>

namespace harvex2::ui {

namespace {

using core::RowPicture;

const QRectF kGlobe(0, 0, 8.5, 8.5);
const QRectF kSymbol(0.5, 8.5, 7, 7);
const QRectF kLogo(7, 3, 9, 9);

void drawLogo(QPainter& painter, PictureSet set, const QRectF& box) {
    switch (set) {
    case PictureSet::ReGet:
        return HandoffArt::reGetLogo(painter, box);
    case PictureSet::Aria2:
        return HandoffArt::aria2Logo(painter, box);
    case PictureSet::Command:
        return HandoffArt::commandLogo(painter, box);
    case PictureSet::NetVampire:
        return HandoffArt::netVampireLogo(painter, box);
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
void drawState(QPainter& painter, PictureSet set, RowPicture picture) {
    if (picture == RowPicture::Fatal) {
        HandoffArt::questionMark(painter, QRectF(0.5, 2, 7.5, 12));
        drawLogo(painter, set, kLogo);
        return;
    }
    HandoffArt::globe(painter, kGlobe);
    if (picture != RowPicture::Waiting) {
        drawSymbol(painter, picture);
        drawLogo(painter, set, kLogo);
    }
}

QPixmap statePicture(PictureSet set, RowPicture picture) {
    return paintedPixmap(QSize(StatePictures::kStateSize, StatePictures::kStateSize),
                         [=](QPainter& painter) { drawState(painter, set, picture); });
}

} // namespace

std::array<QPixmap, 5> StatePictures::stateSet(PictureSet set) {
    return {statePicture(set, RowPicture::Added), statePicture(set, RowPicture::Adding),
            statePicture(set, RowPicture::Refused), statePicture(set, RowPicture::Waiting),
            statePicture(set, RowPicture::Fatal)};
}

QPixmap StatePictures::pleaseWaitIcon(PictureSet set) {
    return paintedPixmap(QSize(kIconSize, kIconSize), [set](QPainter& painter) {
        HandoffArt::globe(painter, QRectF(0, 0, 16, 16));
        HandoffArt::page(painter, QRectF(3.5, 11.5, 11, 19));
        drawLogo(painter, set, QRectF(14, 14, 18, 18));
    });
}

} // namespace harvex2::ui
