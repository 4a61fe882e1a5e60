#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace harvex2::core {

// One piece of a bracket template: fixed text, or a counter that takes each of its values
// in turn (numbers, or a list of texts; a letter range is a list of letters).
class GlobGroup {
public:
    static GlobGroup text(std::string text);
    static GlobGroup list(std::vector<std::string> items);
    // `count` numbers from `first`, `step` apart, each zero-padded to `width` digits.
    static GlobGroup numbers(std::uint64_t first, std::uint64_t step, std::uint64_t count,
                             std::size_t width);

    bool isCounter() const { return counter_; }
    std::uint64_t count() const { return isNumbers() ? count_ : items_.size(); }
    // Appends the value at `index`, below count().
    void appendValue(std::uint64_t index, std::string& out) const;
    std::size_t longestValue() const;

private:
    bool isNumbers() const { return items_.empty(); }

    bool counter_ = true;
    std::vector<std::string> items_;
    std::uint64_t first_ = 0;
    std::uint64_t step_ = 1;
    std::uint64_t count_ = 0;
    std::size_t width_ = 0;
};

} // namespace harvex2::core
