#pragma once

#include <cstdint>
#include <string>

namespace harvex2::core {

// The URLs of one run, made by index, with how far along the progress bar each one is.
class SequenceSeries {
public:
    virtual ~SequenceSeries() = default;

    virtual std::uint64_t count() const = 0;
    // Replaces `out` with the URL at `index`, below count().
    virtual void urlAt(std::uint64_t index, std::string& out) const = 0;
    // The length of the longest URL of the series, found without making them all.
    virtual std::uint64_t longestUrl() const = 0;
    virtual std::uint64_t progressMaximum() const { return count(); }
    virtual std::uint64_t progressAfter(std::uint64_t urlsDone) const { return urlsDone; }
};

} // namespace harvex2::core
