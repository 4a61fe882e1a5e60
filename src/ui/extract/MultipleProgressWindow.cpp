#include "ui/extract/MultipleProgressWindow.h"

#include "ui/platform/TextBytes.h"
#include "ui/shell/Artwork.h"

#include <algorithm>

#include <QLabel>
#include <QProgressBar>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

namespace {

constexpr int kWidth = 365;
constexpr int kHeight = 65;
constexpr int kMargin = 8;
constexpr int kTextLeft = 48;
constexpr int kStepGap = 12;

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QLatin1StringView(name));
    shown->move(at);
    shown->adjustSize();
    return shown;
}

QFont boldFont(QFont font, bool bold) {
    font.setBold(bold);
    return font;
}

} // namespace

MultipleProgressWindow::MultipleProgressWindow(std::chrono::milliseconds hideDelay, bool hideAtOnce,
                                               QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      hideAtOnce_(hideAtOnce) {
    setObjectName(u"TForm11"_s);
    setWindowTitle(u"Parsing Multiple Files..."_s);
    // A child, so that the window's Timer1 can be found like its controls.
    timer_.setParent(this);
    timer_.setObjectName(u"Timer1"_s);
    timer_.setInterval(hideDelay);
    connect(&timer_, &QTimer::timeout, this, &MultipleProgressWindow::onHideTimer);
    buildControls();
}

void MultipleProgressWindow::buildControls() {
    auto* image = new QLabel(this);
    image->setObjectName(u"Image1"_s);
    image->setPixmap(Artwork::windowIcon().pixmap(32, 32));
    image->setGeometry(kMargin, kMargin, 32, 32);

    fileLabel_ = label(this, "Label1", {}, {kTextLeft, 4});
    fileLabel_->setText(u"File:"_s);
    fileLabel_->adjustSize();
    fileName_ = label(this, "lblFileName", {}, {kTextLeft + fileLabel_->width() + 4, 4});
    fileName_->setFont(boldFont(font(), true));
    placeSteps(kTextLeft, fileLabel_->geometry().bottom() + 4);

    const int stepsBottom = steps_[0]->geometry().bottom();
    const int width = std::max(kWidth, steps_[2]->geometry().right() + kMargin);
    fileName_->resize(width - kMargin - fileName_->x(), fileLabel_->height());
    progress_ = new QProgressBar(this);
    progress_->setObjectName(u"ProgressBar1"_s);
    progress_->setTextVisible(false);
    progress_->setGeometry(kTextLeft, stepsBottom + 6, width - kMargin - kTextLeft,
                           kHeight - stepsBottom - 6 - kMargin);
    setFixedSize(width, std::max(kHeight, progress_->geometry().bottom() + kMargin));
}

// Each step is given room for its bold form, so that nothing moves while the run goes.
void MultipleProgressWindow::placeSteps(int left, int top) {
    const char* names[] = {"lblStep1", "lblStep2", "lblStep3"};
    const QString texts[] = {u"Reading links"_s, u"Resolving URLs"_s, u"Add links to list"_s};
    const QFontMetrics bold(boldFont(font(), true));
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        steps_[i] = label(this, names[i], texts[i], {left, top});
        steps_[i]->resize(bold.horizontalAdvance(texts[i]) + 2, steps_[i]->height());
        left = steps_[i]->geometry().right() + kStepGap;
    }
}

void MultipleProgressWindow::prepare(int files) {
    // A run started while the last one still shows "Done" must not be hidden under way.
    timer_.stop();
    progress_->setRange(1, std::max(files, 1));
    progress_->reset();
    show();
}

void MultipleProgressWindow::showRunStarted() {
    fileLabel_->setText(u"File:"_s);
    repaint();
}

void MultipleProgressWindow::showFile(const std::string& path) {
    const QString shown = fromPathBytes(path);
    // The file's name matters most; a long folder gives way in the middle.
    fileName_->setText(
        fileName_->fontMetrics().elidedText(shown, Qt::ElideMiddle, fileName_->width()));
    fileName_->setToolTip(shown);
    repaint();
}

void MultipleProgressWindow::showStep(core::MultipleStep step) {
    const core::MultipleStep order[] = {core::MultipleStep::ReadingLinks,
                                        core::MultipleStep::ResolvingUrls,
                                        core::MultipleStep::AddLinks};
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        steps_[i]->setFont(boldFont(font(), order[i] == step));
    }
    repaint();
}

void MultipleProgressWindow::setPosition(int done) {
    progress_->setValue(done);
}

void MultipleProgressWindow::showDone() {
    fileLabel_->clear();
    fileName_->setText(u"Done"_s);
    fileName_->setToolTip({});
    repaint();
    if (hideAtOnce_) {
        hide();
    } else {
        timer_.start();
    }
}

void MultipleProgressWindow::onHideTimer() {
    timer_.stop();
    hide();
}

} // namespace harvex2::ui
