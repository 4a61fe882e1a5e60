#pragma once

#include "core/handoff/AddingRows.h"
#include "core/handoff/AddingWindowPort.h"
#include "core/shell/SettingsRecord.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"

#include <stdexcept>

namespace harvex2::core {

// A failure a channel does not handle itself; its text is shown as it stands, the row it
// happened on is marked failed and the pass ends.
class HandoffError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Everything one hand-off pass works with.
struct AddingPassContext {
    AddingRows& rows;
    AddingWindowPort& window;
    SettingsRecord& settings;
    platform::Prompts& prompts;
    platform::EventPump& events;
    platform::RegistryStore& userStore;
    platform::RegistryStore& machineStore;
    // Cleared by a channel when a row was refused; decides the end of the pass.
    bool allOk = true;
    // Set when the pass was ended early (a fatal error, a download manager that stopped
    // answering): the end-of-pass rule no longer applies.
    bool passEnded = false;
};

} // namespace harvex2::core
