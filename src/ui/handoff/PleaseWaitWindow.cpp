#include "ui/handoff/PleaseWaitWindow.h"

#include "ui/handoff/StatePictures.h"
#include "ui/platform/TextBytes.h"

#include <algorithm>

#include <QLabel>
#include <QScreen>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
constexpr QSize kClientSize(339, 61);
constexpr QPoint kIconPlace(12, 14);
constexpr QRect kStatusPlace(56, 22, 275, 17);

// Moves `place` the least way that puts it inside `room`, its top-left corner first.
QRect keptInside(QRect place, const QRect& room) {
    place.moveRight(std::min(place.right(), room.right()));
    place.moveBottom(std::min(place.bottom(), room.bottom()));
    place.moveLeft(std::max(place.left(), room.left()));
    place.moveTop(std::max(place.top(), room.top()));
    return place;
}

} // namespace

PleaseWaitWindow::PleaseWaitWindow(std::int32_t mode, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      netVampireIcon_(addIcon("Image1", StatePictures::pleaseWaitIcon(PictureSet::NetVampire))),
      reGetIcon_(addIcon("Image2", StatePictures::pleaseWaitIcon(PictureSet::ReGet))),
      aria2Icon_(addIcon("Image3", StatePictures::pleaseWaitIcon(PictureSet::Aria2))),
      status_(new QLabel(u"<Status>"_s, this)) {
    setObjectName(u"TForm8"_s);
    // The window only tells what the pass is doing; the window that runs it keeps the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(u"Please wait..."_s);
    setFixedSize(kClientSize);
    status_->setObjectName(u"Label1"_s);
    status_->setTextFormat(Qt::PlainText);
    status_->setGeometry(kStatusPlace);
    choosePictures(mode);
}

QLabel* PleaseWaitWindow::addIcon(const char* name, const QPixmap& picture) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QString::fromLatin1(name));
    icon->setPixmap(picture);
    icon->setGeometry(QRect(kIconPlace, picture.size()));
    return icon;
}

void PleaseWaitWindow::showOver(const QWidget& owner) {
    const QWidget& ownerWindow = *owner.window();
    // This window's frame is known only once it has been shown; the owner's is as thick.
    const QSize ownerFrame = ownerWindow.frameGeometry().size() - ownerWindow.size();
    QRect place(QPoint(), size() + ownerFrame);
    place.moveCenter(ownerWindow.frameGeometry().center());
    if (const QScreen* screen = ownerWindow.screen()) {
        place = keptInside(place, screen->availableGeometry());
    }
    move(place.topLeft());
    show();
    repaint();
}

void PleaseWaitWindow::setStatus(const std::string& status) {
    status_->setText(fromBytes(status));
    if (isVisible()) {
        status_->repaint();
    }
}

void PleaseWaitWindow::choosePictures(std::int32_t mode) {
    const PictureSet set = StatePictures::forMode(mode);
    reGetIcon_->setVisible(set == PictureSet::ReGet);
    aria2Icon_->setVisible(set == PictureSet::Aria2);
    netVampireIcon_->setVisible(set == PictureSet::NetVampire);
}

} // namespace harvex2::ui
