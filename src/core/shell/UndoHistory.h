#pragma once

#include "core/shell/UndoStep.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>

namespace harvex2::core {

// The last changes of the link list, each kept as what it changed rather than as a copy of
// the list. Everything the list records until endChange() is one change: one user command
// may append in many batches and then check some of what it appended.
class UndoHistory {
public:
    static constexpr std::size_t kSteps = 32;
    static constexpr std::size_t kAskAbove = std::size_t{100} << 20;
    // Asked with a step's size in bytes before it grows past kAskAbove; true keeps the
    // change undoable, false makes it without a way back.
    using KeepAsking = std::function<bool(std::size_t bytes)>;

    explicit UndoHistory(KeepAsking ask = {}, std::size_t askAbove = kAskAbove);

    void endChange();
    bool canUndo() const { return !steps_.empty(); }
    std::size_t steps() const { return steps_.size(); }
    // The last change, taken out of the history; it is the current one if still open.
    std::optional<UndoStep> takeLast();
    // Forgets every change, as when the list is replaced without a way back.
    void forget();

    void appended(std::size_t count);
    // Entry `index` of a list of `size` entries flipped its check flag.
    void flipped(std::size_t index, std::size_t size);
    void flippedRange(FlippedChecks flips);
    // Whether a removal keeping `bytes` is recorded. When the user declines to keep it,
    // the history is forgotten, since older steps could no longer be undone in order.
    bool keeps(std::size_t bytes);
    void removed(RemovedEntries removal, std::size_t bytes);
    // Whether the current change is being recorded at all.
    bool recording() const { return !unrecorded_; }

private:
    UndoStep& current();
    bool extendsLastFlips(std::size_t index);

    KeepAsking ask_;
    std::size_t askAbove_;
    std::deque<UndoStep> steps_;
    bool open_ = false;
    bool asked_ = false;
    bool unrecorded_ = false;
};

} // namespace harvex2::core
