#pragma once

namespace harvex2::platform {

// Long commands run on the one user-interface thread; they call this at the points
// where the windows must repaint and stay responsive.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

} // namespace harvex2::platform
