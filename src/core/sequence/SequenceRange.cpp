#include "core/sequence/SequenceRange.h"

#include "core/sequence/SequenceError.h"

#include <algorithm>
#include <string>

namespace harvex2::core {

namespace {
std::uint64_t span(std::int32_t start, std::int32_t goTo) {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(goTo) - start);
}
} // namespace

SequenceRange::SequenceRange(std::int32_t start, std::int32_t goTo, std::int32_t step)
    : start_(start), goTo_(goTo), step_(step) {
    if (step < 1) {
        throw SequenceError("Step must be 1 or more, not " + std::to_string(step) + ".");
    }
    if (goTo < start) {
        throw SequenceError("The range holds no numbers: Go to (" + std::to_string(goTo) +
                            ") is less than Start at (" + std::to_string(start) + ").");
    }
    count_ = span(start, goTo) / static_cast<std::uint64_t>(step) + 1;
}

std::int32_t SequenceRange::numberAt(std::uint64_t index) const {
    return static_cast<std::int32_t>(
        start_ + static_cast<std::int64_t>(index * static_cast<std::uint64_t>(step_)));
}

std::uint64_t SequenceRange::progressMaximum() const {
    return span(start_, goTo_) + 1;
}

std::uint64_t SequenceRange::progressAfter(std::uint64_t numbersDone) const {
    return std::min(numbersDone * static_cast<std::uint64_t>(step_), progressMaximum());
}

} // namespace harvex2::core
