#pragma once

#include "platform/EventPump.h"

#include <functional>

namespace harvex2::test {

// Stands in for the windows' event loop: counts the points where a long command lets
// events through, and runs the test's steps there.
class FakeEventPump : public platform::EventPump {
public:
    void processEvents() override;

    int calls = 0;
    // Runs at the next point only, before onProcess; it may set itself again.
    std::function<void()> onNext;
    // Runs at every point.
    std::function<void()> onProcess;
};

} // namespace harvex2::test
