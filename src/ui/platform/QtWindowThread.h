#pragma once

#include "platform/WindowThread.h"

#include <QObject>

namespace harvex2::ui {

// Posts tasks to the thread this object was made on, as queued calls its event loop runs.
class QtWindowThread : public platform::WindowThread {
public:
    void post(std::function<void()> task) override;

private:
    QObject receiver_;
};

} // namespace harvex2::ui
