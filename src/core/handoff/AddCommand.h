#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "core/handoff/HistoryBox.h"
#include "core/handoff/RepaintPace.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"
#include "platform/StatusBar.h"

#include <functional>
#include <string>

namespace harvex2::core {

// What the Add command works with; the main window owns all of it.
struct AddCommandParts {
    LinkList& links;
    SettingsRecord& settings;
    platform::StatusBar& statusBar;
    platform::Prompts& prompts;
    platform::EventPump& events;
    platform::RegistryStore& userStore;
    HistoryBox& baseUrl;
    HistoryBox& downloadDirectory;
    AddingWindowPort& adding;
};

// "&Add selected": the checked links become rows of the Adding window, which hands them
// over; afterwards the list is tidied and both boxes remember their texts.
class AddCommand {
public:
    // The spinner and "n of N" move, and the windows repaint, at the pace's rate.
    explicit AddCommand(AddCommandParts parts, RepaintPace pace = RepaintPace())
        : parts_(parts), pace_(std::move(pace)) {}

    void addSelected();

    // True from the start of a run until it has ended. Meanwhile the list must not change
    // and a second run is refused.
    bool running() const { return running_; }
    void setRunningChanged(std::function<void(bool)> listener);

private:
    bool buildRows();
    bool addRowFor(std::size_t index);
    bool ignoreMissingBase(const std::string& link);
    void showProgress(std::size_t index, std::size_t count);
    void advanceSpinner();
    void handOver();
    void saveHistories();
    void setRunning(bool running);

    AddCommandParts parts_;
    RepaintPace pace_;
    std::size_t spinner_ = 0;
    // "Ignore All" was pressed: the run skips every other link that needs a Base URL.
    bool ignoreMissingBase_ = false;
    bool running_ = false;
    std::function<void(bool)> runningChanged_;
};

} // namespace harvex2::core
