#pragma once

#include "core/handoff/AddingRows.h"
#include "core/handoff/AddingWindowPort.h"
#include "core/shell/SettingsRecord.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"
#include "platform/WindowThread.h"

#include <functional>
#include <stdexcept>

namespace harvex2::core {

class DownloadReports;
class LedgerKeeper;
class PassCalls;
class RulePresets;

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
    platform::WindowThread& windowThread;
    platform::RegistryStore& userStore;
    platform::RegistryStore& machineStore;
    // Set by AddingPass for the run: where the pass's blocking calls go, and what the pass
    // calls once it has ended, whichever way.
    PassCalls* calls = nullptr;
    std::function<void()> finished = {};
    // Cleared by a channel when a row was refused; decides the end of the pass.
    bool allOk = true;
    // Set when the pass was ended early (a fatal error, a download manager that stopped
    // answering): the end-of-pass rule no longer applies.
    bool passEnded = false;
    // Where the links a target confirmed are recorded; none: they are not.
    LedgerKeeper* ledger = nullptr;
    // Where the routes preset the settings name is read; none: every link goes to the
    // chosen target.
    const RulePresets* presets = nullptr;
    // Where downloads that go on after the pass report; none: nobody follows them.
    DownloadReports* reports = nullptr;
};

} // namespace harvex2::core
