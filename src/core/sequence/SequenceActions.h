#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "core/handoff/HistoryBox.h"
#include "core/sequence/SequenceDialogPort.h"
#include "core/sequence/SequenceFields.h"
#include "core/sequence/SequenceRun.h"
#include "core/sequence/SequenceSeries.h"
#include "core/sequence/SequenceSink.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "core/shell/SlicedRun.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace harvex2::core {

// What the Add Sequential Files dialog works with.
struct SequenceParts {
    SequenceDialogPort& dialog;
    platform::Prompts& prompts;
    platform::RegistryStore& userStore;
    const SettingsRecord& settings;
    LinkList& links;
    AddingWindowPort& adding;
    HistoryBox& urlBox;
    HistoryBox& dirBox;
    RunStarter startRun;
};

// Test and Add of the Add Sequential Files dialog: a URL template expanded over a range of
// numbers into the preview, the Adding window or the link list. Each runs in slices that
// the starter drives; one at a time.
class SequenceActions {
public:
    // Views count their rows in int and every row is held in memory: a longer series is
    // refused before it begins.
    static constexpr std::uint64_t kMaxNumbers = 10'000'000;
    // Long templates times many numbers would exhaust memory long before the count cap.
    static constexpr std::uint64_t kMaxBytes = std::uint64_t{1} << 30;
    // A bracket template of more URLs than this is added only when the user agrees.
    static constexpr std::uint64_t kAskAbove = 10'000;

    explicit SequenceActions(SequenceParts parts) : parts_(std::move(parts)) {}

    // Both histories, sorted, into their boxes.
    void loadHistories();
    // Starts filling the preview; changes nothing outside the dialog.
    void test(const SequenceFields& fields);
    // Starts handing the series to its target; once it is all there, remembers the
    // template and directory and, with ACAS on, closes the dialog. A history that cannot be
    // written is reported.
    void add(const SequenceFields& fields);
    // Ends the run under way at its next slice, as closing the program does: a cancelled
    // Add hands nothing on, asks nothing and remembers nothing.
    void cancel();

    // From the start of a Test or Add until it has handed everything on and unlocked the
    // dialog.
    bool running() const { return current_.kind != SequenceRunKind::None; }

private:
    // The run under way and what it fills.
    struct Current {
        SequenceRunKind kind = SequenceRunKind::None;
        SequenceFields fields;
        std::unique_ptr<SequenceSeries> series;
        std::unique_ptr<SequenceSink> sink; // none when the run fills the preview
        SequenceRun::End end = SequenceRun::End::Running;
    };

    std::unique_ptr<SequenceSeries> plan(const SequenceFields& fields) const;
    // False when the user chose not to add a long series.
    bool confirmed(const SequenceFields& fields, std::uint64_t count);
    // Locks the dialog for a run of `kind` and reads the series; false when the fields are
    // refused (reported, and the dialog unlocked again).
    bool begin(SequenceRunKind kind, const SequenceFields& fields);
    void start(SequenceSink& sink);
    void runEnded();
    // Hands a whole series on: runs the Adding window, or offers the directory.
    void deliver(const SequenceFields& fields);
    void askToCopyDirectory(const std::string& directory);
    void saveHistories();
    // Unlocks the dialog and forgets the run.
    void endRun();
    static void refuseBeyondByteCap(const SequenceSeries& series, const std::string& directory);
    // Runs `work`; a series that cannot be made is reported and gives false.
    bool attempt(const std::function<void()>& work);

    SequenceParts parts_;
    Current current_;
    SequenceRun* run_ = nullptr; // owned by whoever drives it, until runEnded()
};

} // namespace harvex2::core
