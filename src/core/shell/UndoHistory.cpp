#include "core/shell/UndoHistory.h"

#include <utility>

namespace harvex2::core {

namespace {
// A check flipped this close to the last flipped run joins it: clicking down a list stays
// one record, while two far-apart flips do not cost a bit for every entry between them.
constexpr std::size_t kFlipReach = 4096;
} // namespace

UndoHistory::UndoHistory(KeepAsking ask, std::size_t askAbove)
    : ask_(std::move(ask)), askAbove_(askAbove) {}

void UndoHistory::endChange() {
    open_ = false;
    asked_ = false;
    unrecorded_ = false;
}

std::optional<UndoStep> UndoHistory::takeLast() {
    endChange();
    if (steps_.empty()) {
        return std::nullopt;
    }
    UndoStep step = std::move(steps_.back());
    steps_.pop_back();
    return step;
}

void UndoHistory::forget() {
    steps_.clear();
    open_ = false;
}

UndoStep& UndoHistory::current() {
    if (!open_) {
        steps_.emplace_back();
        if (steps_.size() > kSteps) {
            steps_.pop_front();
        }
        open_ = true;
    }
    return steps_.back();
}

void UndoHistory::appended(std::size_t count) {
    if (unrecorded_) {
        return;
    }
    UndoStep& step = current();
    if (!step.records.empty()) {
        if (auto* run = std::get_if<AppendedRun>(&step.records.back())) {
            run->count += count;
            return;
        }
    }
    step.records.emplace_back(AppendedRun{count});
    step.bytes += sizeof(UndoRecord);
}

void UndoHistory::flipped(std::size_t index, std::size_t size) {
    if (unrecorded_) {
        return;
    }
    UndoStep& step = current();
    if (!step.records.empty()) {
        // An entry this change appended leaves again with the append's undo.
        if (const auto* run = std::get_if<AppendedRun>(&step.records.back());
            run && index >= size - run->count) {
            return;
        }
        if (extendsLastFlips(index)) {
            return;
        }
    }
    step.records.emplace_back(FlippedChecks{index, {true}});
    step.bytes += sizeof(UndoRecord) + 1;
}

bool UndoHistory::extendsLastFlips(std::size_t index) {
    auto* flips = std::get_if<FlippedChecks>(&steps_.back().records.back());
    if (!flips || index + kFlipReach < flips->first ||
        index > flips->first + flips->flipped.size() + kFlipReach) {
        return false;
    }
    if (index < flips->first) {
        flips->flipped.insert(flips->flipped.begin(), flips->first - index, false);
        flips->first = index;
    } else if (index >= flips->first + flips->flipped.size()) {
        flips->flipped.resize(index - flips->first + 1);
    }
    flips->flipped[index - flips->first].flip();
    return true;
}

void UndoHistory::flippedRange(FlippedChecks flips) {
    if (unrecorded_ || flips.flipped.empty()) {
        return;
    }
    UndoStep& step = current();
    step.bytes += sizeof(UndoRecord) + flips.flipped.size() / 8;
    step.records.emplace_back(std::move(flips));
}

bool UndoHistory::keeps(std::size_t bytes) {
    if (unrecorded_) {
        return false;
    }
    const std::size_t total = (open_ ? steps_.back().bytes : 0) + bytes;
    if (total <= askAbove_ || asked_) {
        return true;
    }
    asked_ = true;
    if (!ask_ || ask_(total)) {
        return true;
    }
    forget();
    unrecorded_ = true;
    return false;
}

void UndoHistory::removed(RemovedEntries removal, std::size_t bytes) {
    UndoStep& step = current();
    step.bytes += bytes;
    step.records.emplace_back(std::move(removal));
}

} // namespace harvex2::core
