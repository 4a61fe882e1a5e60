#pragma once

#include <cstdint>

namespace harvex2::core {

// The numbers of a series: from Start up to and including Go to, Step apart. Counted in a
// wider type than the numbers themselves, so a Go to at the very top of their range still
// ends the series.
class SequenceRange {
public:
    // Throws SequenceError when Step is below 1 (the series would never end) or when Go to
    // is below Start (the series holds no numbers).
    SequenceRange(std::int32_t start, std::int32_t goTo, std::int32_t step);

    std::int32_t start() const { return start_; }
    std::int32_t goTo() const { return goTo_; }
    std::int32_t step() const { return step_; }

    std::uint64_t count() const { return count_; }
    std::int32_t numberAt(std::uint64_t index) const;

    // Progress runs up to Go to - Start + 1 and advances by Step for every number,
    // stopping at that maximum.
    std::uint64_t progressMaximum() const;
    std::uint64_t progressAfter(std::uint64_t numbersDone) const;

private:
    std::int32_t start_;
    std::int32_t goTo_;
    std::int32_t step_;
    std::uint64_t count_;
};

} // namespace harvex2::core
