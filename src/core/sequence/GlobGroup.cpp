#include "core/sequence/GlobGroup.h"

#include <algorithm>
#include <charconv>

namespace harvex2::core {

GlobGroup GlobGroup::text(std::string text) {
    GlobGroup group = list({std::move(text)});
    group.counter_ = false;
    return group;
}

GlobGroup GlobGroup::list(std::vector<std::string> items) {
    GlobGroup group;
    group.items_ = std::move(items);
    return group;
}

GlobGroup GlobGroup::numbers(std::uint64_t first, std::uint64_t step, std::uint64_t count,
                             std::size_t width) {
    GlobGroup group;
    group.first_ = first;
    group.step_ = step;
    group.count_ = count;
    group.width_ = width;
    return group;
}

void GlobGroup::appendValue(std::uint64_t index, std::string& out) const {
    if (!isNumbers()) {
        out += items_[index];
        return;
    }
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, first_ + index * step_).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < width_) {
        out.append(width_ - length, '0');
    }
    out.append(digits, length);
}

std::size_t GlobGroup::longestValue() const {
    std::size_t longest = 0;
    if (!isNumbers()) {
        for (const std::string& item : items_) {
            longest = std::max(longest, item.size());
        }
        return longest;
    }
    // Numbers only grow, so the last one is the widest.
    std::string last;
    appendValue(count_ == 0 ? 0 : count_ - 1, last);
    return last.size();
}

} // namespace harvex2::core
