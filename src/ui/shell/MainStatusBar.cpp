#include "ui/shell/MainStatusBar.h"

#include "core/handoff/TargetWording.h"
#include "ui/platform/TextBytes.h"

#include <QLabel>
#include <QSizeGrip>

using namespace Qt::StringLiterals;

namespace harvex2::ui {

using platform::StatusPanel;

namespace {
constexpr int kGap = 2;

std::size_t slot(StatusPanel panel) {
    return static_cast<std::size_t>(panel);
}

// A text cut at the panel's edge shows whole in the panel's tooltip.
void fitTip(QLabel& panel) {
    const int room = panel.contentsRect().width() - panel.indent();
    const bool cut = panel.fontMetrics().horizontalAdvance(panel.text()) > room;
    panel.setToolTip(cut ? panel.text() : QString());
}
} // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QWidget(parent) {
    setObjectName(u"StatusBar1"_s);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(u"StatusPanel"_s + QString::number(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(2);
        panels_[i] = panel;
    }
    grip_ = new QSizeGrip(this);
}

void MainStatusBar::setText(StatusPanel panel, const std::string& text) {
    texts_[slot(panel)] = text;
    panels_[slot(panel)]->setText(fromBytes(text));
    fitTip(*panels_[slot(panel)]);
}

std::string MainStatusBar::text(StatusPanel panel) const {
    return texts_[slot(panel)];
}

void MainStatusBar::setPanelWidths(int stateWidth, int detailWidth) {
    stateWidth_ = std::max(stateWidth, 0);
    detailWidth_ = std::max(detailWidth, 0);
    placePanels();
}

void MainStatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placePanels();
}

// Panels side by side with a small gap; a text longer than its panel is cut at the edge.
void MainStatusBar::placePanels() {
    const int top = kGap;
    const int height = this->height() - kGap;
    panels_[0]->setGeometry(0, top, stateWidth_, height);
    panels_[1]->setGeometry(stateWidth_ + kGap, top, detailWidth_, height);
    const int targetLeft = stateWidth_ + detailWidth_ + 2 * kGap;
    panels_[2]->setGeometry(targetLeft, top, std::max(width() - targetLeft, 0), height);
    const QSize grip = grip_->sizeHint().boundedTo(QSize(height, height));
    grip_->setGeometry(width() - grip.width(), this->height() - grip.height(), grip.width(),
                       grip.height());
    for (QLabel* panel : panels_) {
        fitTip(*panel);
    }
}

void MainStatusBar::showTarget(core::TargetProgram mode, const core::SettingsRecord& settings) {
    setText(StatusPanel::Target, core::TargetWording::targetName(mode, settings));
}

} // namespace harvex2::ui
