#pragma once

#include "platform/EventPump.h"

namespace harvex2::ui {

class QtEventPump : public platform::EventPump {
public:
    void processEvents() override;
};

} // namespace harvex2::ui
