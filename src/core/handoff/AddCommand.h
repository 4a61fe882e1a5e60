#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "core/handoff/HistoryBox.h"
#include "core/handoff/RepaintPace.h"
#include "core/rules/SentLookup.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "core/shell/SlicedRun.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"
#include "platform/StatusBar.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace harvex2::core {

// What the Add command works with; the main window owns all of it.
struct AddCommandParts {
    LinkList& links;
    SettingsRecord& settings;
    platform::StatusBar& statusBar;
    platform::Prompts& prompts;
    platform::RegistryStore& userStore;
    HistoryBox& baseUrl;
    HistoryBox& downloadDirectory;
    AddingWindowPort& adding;
    // What the targets took before; none: every checked link is handed over.
    const SentLookup* sent = nullptr;
};

// "&Add selected": the checked links become rows of the Adding window, which hands them
// over; afterwards the list is tidied and both boxes remember their texts.
class AddCommand {
public:
    // Entries read in one slice of the row building: a few milliseconds' worth.
    static constexpr std::size_t kSliceEntries = 4096;

    // The spinner and "n of N" move at the pace's rate.
    explicit AddCommand(AddCommandParts parts, RepaintPace pace = RepaintPace())
        : parts_(parts), pace_(std::move(pace)) {}

    // Starts the command: `start` drives the run that builds the rows, and drives it again
    // after each question the run waits on; the Adding window takes over once the rows are
    // built. False while a run is in progress.
    bool addSelected(RunStarter start);
    // Ends the command at once, as when the program closes: the row building stops, the
    // Adding window closes, and the list is left as it is.
    void endNow();

    // True from the start of a run until it has ended. Meanwhile the list must not change
    // and a second run is refused.
    bool running() const { return running_; }
    void setRunningChanged(std::function<void(bool)> listener);

private:
    class RowBuilding;
    // Done: the link became a row or was skipped; Waiting: a box asks about it; Ended: the
    // command ended.
    enum class RowResult { Done, Waiting, Ended };

    void driveRows();
    // False once the rows are built, the command has ended or the run waits for an answer.
    bool buildSlice();
    RowResult addRowFor(std::size_t index);
    RowResult askForBase(const std::string& link);
    void baseAnswered(platform::MessageButton answer);
    void needBase();
    void showProgress(std::size_t index, std::size_t count);
    void advanceSpinner();
    void handOver();
    void handedOver();
    void saveHistories();
    void fail(const std::exception& failure);
    void setRunning(bool running);

    AddCommandParts parts_;
    RepaintPace pace_;
    RunStarter start_;
    std::size_t spinner_ = 0;
    // The entries the run reads: those the list held when it started.
    std::size_t count_ = 0;
    std::size_t next_ = 0;
    // "Ignore All" was pressed: the run skips every other link that needs a Base URL.
    bool ignoreMissingBase_ = false;
    // The box asking for a Base URL is open. An answer that comes after the command ended
    // (or the command itself is gone) finds its question expired and is dropped.
    std::shared_ptr<int> question_;
    bool inSlice_ = false;
    // The target whose links sent before are left out, when the settings ask for that.
    std::optional<std::string> leaveOutSentTo_;
    bool running_ = false;
    bool building_ = false;
    bool ending_ = false;
    std::function<void(bool)> runningChanged_;
};

} // namespace harvex2::core
