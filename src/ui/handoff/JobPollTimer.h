#pragma once

#include "core/handoff/PollTimer.h"

#include <QObject>

class QTimer;

namespace harvex2::core {
class JobFileManager;
}

namespace harvex2::ui {

// Drives the job-file component's change poll from the event loop; off until the
// component's automatic refresh is switched on.
class JobPollTimer : public QObject, public core::PollTimer {
    Q_OBJECT
public:
    // The manager must outlive the timer's last tick; its owner unhooks it first.
    JobPollTimer(core::JobFileManager& manager, QObject* parent);

    void schedule(bool running, int intervalMs) override;

private:
    core::JobFileManager& manager_;
    QTimer* timer_;
};

} // namespace harvex2::ui
