#include "support/ui/ModalScript.h"

#include <QApplication>

namespace harvex2::test {

ModalScript::ModalScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
}

ModalScript::~ModalScript() {
    for (const Step& step : steps_) {
        ADD_FAILURE() << "the window " << step.windowName << " never came";
    }
}

void ModalScript::then(std::string windowName, Action action) {
    steps_.push_back({std::move(windowName), std::move(action)});
    timer_.start();
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (steps_.empty() || !modal || !modal->isVisible() ||
        modal->objectName().toStdString() != steps_.front().windowName) {
        return;
    }
    Action action = std::move(steps_.front().action);
    steps_.pop_front();
    if (steps_.empty()) {
        timer_.stop();
    }
    // From an event of its own: an action that opens the next modal window must not hold
    // up the polling that answers it.
    QTimer::singleShot(0, modal, [modal, action = std::move(action)] { action(*modal); });
}

} // namespace harvex2::test
