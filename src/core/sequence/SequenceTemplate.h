#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// A URL template cut at the first digit marker: the number goes where the marker was.
// Further markers stay in the text as they are.
class SequenceTemplate {
public:
    // Throws MissingMarkerError when `text` does not hold `marker` (case-sensitive).
    SequenceTemplate(std::string_view text, char marker);

    const std::string& prefix() const { return prefix_; }
    const std::string& suffix() const { return suffix_; }

    // Replaces `out` with prefix, number and suffix; reusing `out` keeps long series from
    // allocating for every URL.
    void compose(std::string_view number, std::string& out) const;

private:
    std::string prefix_;
    std::string suffix_;
};

} // namespace harvex2::core
