#include "ui/handoff/JobPollTimer.h"

#include "core/handoff/JobFileManager.h"

#include <QTimer>

namespace harvex2::ui {

using namespace Qt::StringLiterals;

JobPollTimer::JobPollTimer(core::JobFileManager& manager, QObject* parent)
    : QObject(parent), manager_(manager), timer_(new QTimer(this)) {
    timer_->setObjectName(u"NVManagerTimer"_s);
    connect(timer_, &QTimer::timeout, this, [this] { manager_.poll(); });
    manager_.setPollTimer(this);
}

void JobPollTimer::schedule(bool running, int intervalMs) {
    timer_->setInterval(intervalMs);
    if (!running) {
        timer_->stop();
    } else if (!timer_->isActive()) {
        timer_->start();
    }
}

} // namespace harvex2::ui
