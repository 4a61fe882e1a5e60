#include "ui/shell/SplashWindow.h"

#include "ui/shell/SplashNames.h"
#include "ui/shell/SplashPicture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using Names = SplashNames;

SplashWindow::SplashWindow(bool developerMode, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QLatin1StringView(Names::kWindow));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setCursor(Qt::BusyCursor);
    setFixedSize(kWidth, developerMode ? kDeveloperHeight : kHeight);

    auto* picture = new QLabel(this);
    picture->setObjectName(QLatin1StringView(Names::kPicture));
    picture->setPixmap(SplashPicture::draw());
    picture->setGeometry(86, 11, SplashPicture::kWidth, SplashPicture::kHeight);

    addLabel(Names::kVersion, u"Harvex2 1.4"_s, {310, 7});
    addLabel(Names::kNotice, u"Quillfern Software \u2014 free to use and to share"_s, {101, 184});
    QLabel* heading = addLabel(Names::kFormsHeading, u"Init forms:"_s, {24, 215});
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->adjustSize();
    firstFormList_ = addLabel(Names::kFirstFormList, u"<Form list>"_s, {24, 231});
    secondFormList_ = addLabel(Names::kSecondFormList, u"<More Forms>"_s, {25, 250});

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

QLabel* SplashWindow::addLabel(const char* name, const QString& text, QPoint position) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1StringView(name));
    label->move(position);
    label->adjustSize();
    return label;
}

QLabel* SplashWindow::formList(FormList list) const {
    return list == FormList::First ? firstFormList_ : secondFormList_;
}

void SplashWindow::setFormList(FormList list, const QString& text) {
    QLabel* label = formList(list);
    label->setText(text);
    label->adjustSize();
}

void SplashWindow::appendToFormList(FormList list, const QString& word) {
    setFormList(list, formList(list)->text() + word);
}

void SplashWindow::refresh() {
    repaint();
    // A window that was just shown is only mapped once its events are seen; user input
    // waits until the main window runs the loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace harvex2::ui
