#include "ui/handoff/PleaseWaitWindow.h"

#include "ui/handoff/TargetRegistry.h"
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

PleaseWaitWindow::PleaseWaitWindow(core::TargetProgram mode, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      status_(new QLabel(u"<Status>"_s, this)) {
    for (const PictureSetName& set : StatePictures::kSets) {
        addIcon(set);
    }
    setObjectName(u"TForm8"_s);
    // The window only tells what the pass is doing; the window that runs it keeps the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(u"Please wait..."_s);
    setFixedSize(kClientSize);
    status_->setObjectName(u"Label1"_s);
    status_->setTextFormat(Qt::PlainText);
    status_->setGeometry(kStatusPlace);
    showTarget(mode);
}

void PleaseWaitWindow::addIcon(const PictureSetName& set) {
    auto* icon = new QLabel(this);
    icon->setObjectName(QString::fromLatin1(set.pleaseWaitName));
    const QPixmap picture = StatePictures::pleaseWaitIcon(set.set);
    icon->setPixmap(picture);
    icon->setGeometry(QRect(kIconPlace, picture.size()));
    icons_.emplace_back(set.set, icon);
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

void PleaseWaitWindow::showTarget(core::TargetProgram mode) {
    const PictureSet shown = TargetRegistry::picturesFor(mode);
    for (const auto& [set, icon] : icons_) {
        icon->setVisible(set == shown);
    }
}

} // namespace harvex2::ui
