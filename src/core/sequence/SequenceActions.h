#pragma once

#include "core/handoff/AddingWindowPort.h"
#include "core/handoff/HistoryBox.h"
#include "core/sequence/SequenceDialogPort.h"
#include "core/sequence/SequenceFields.h"
#include "core/sequence/SequenceRunner.h"
#include "core/shell/LinkList.h"
#include "core/shell/SettingsRecord.h"
#include "platform/EventPump.h"
#include "platform/Prompts.h"
#include "platform/RegistryStore.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace harvex2::core {

class SequenceSeries;

// What the Add Sequential Files dialog works with.
struct SequenceParts {
    SequenceDialogPort& dialog;
    platform::Prompts& prompts;
    platform::EventPump& events;
    platform::RegistryStore& userStore;
    const SettingsRecord& settings;
    LinkList& links;
    AddingWindowPort& adding;
    HistoryBox& urlBox;
    HistoryBox& dirBox;
    RepaintPace pace = RepaintPace(SequenceRunner::kInterval);
};

// Test and Add of the Add Sequential Files dialog: a URL template expanded over a range of
// numbers into the preview, the Adding window or the link list.
class SequenceActions {
public:
    // Views count their rows in int and every row is held in memory: a longer series is
    // refused before it begins.
    static constexpr std::uint64_t kMaxNumbers = 10'000'000;
    // Long templates times many numbers would exhaust memory long before the count cap.
    static constexpr std::uint64_t kMaxBytes = std::uint64_t{1} << 30;
    // A bracket template of more URLs than this is added only when the user agrees.
    static constexpr std::uint64_t kAskAbove = 10'000;

    explicit SequenceActions(SequenceParts parts) : parts_(parts) {}

    // Both histories, sorted, into their boxes.
    void loadHistories();
    // Fills the preview; changes nothing outside the dialog.
    void test(const SequenceFields& fields);
    // Hands the series to its target, then remembers the template and directory and, with
    // ACAS on, closes the dialog. Throws platform::RegistryError when a history cannot be
    // written.
    void add(const SequenceFields& fields);

    bool running() const { return running_; }

private:
    // Marks a run from its start to its end, however it ends.
    class RunScope {
    public:
        RunScope(SequenceActions& actions, SequenceRunKind kind);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        SequenceActions& actions_;
    };

    std::unique_ptr<SequenceSeries> plan(const SequenceFields& fields) const;
    // False when the user chose not to add a long series.
    bool deliver(const SequenceFields& fields);
    bool confirmed(const SequenceFields& fields, std::uint64_t count);
    void askToCopyDirectory(const std::string& directory);
    void saveHistories();
    // Runs `work`; a series that cannot be made is reported and gives false.
    static void refuseBeyondByteCap(const SequenceSeries& series, const std::string& directory);
    bool attempt(const std::function<void()>& work);

    SequenceParts parts_;
    bool running_ = false;
};

} // namespace harvex2::core
