#include "ui/sequence/SpinButtons.h"

#include "platform/IntegerText.h"
#include "ui/platform/TextBytes.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

namespace {
QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
} // namespace

SpinButtons::SpinButtons(QLineEdit& edit, std::int32_t minimum, std::int32_t maximum,
                         QWidget* parent)
    : QWidget(parent), edit_(edit), minimum_(minimum), maximum_(maximum),
      position_(std::clamp(platform::IntegerText::tryParse(toBytes(edit.text())).value_or(0),
                           minimum, maximum)),
      up_(arrowButton(Qt::UpArrow, u"up"_s, this)),
      down_(arrowButton(Qt::DownArrow, u"down"_s, this)) {
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    edit_.installEventFilter(this);
}

void SpinButtons::stepBy(int delta) {
    const std::int64_t from =
        platform::IntegerText::tryParse(toBytes(edit_.text())).value_or(position_);
    position_ =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(from + delta, minimum_, maximum_));
    edit_.setText(QString::number(position_));
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &edit_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButtons::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace harvex2::ui
