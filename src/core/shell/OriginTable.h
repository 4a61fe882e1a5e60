#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace harvex2::core {

// The addresses of the pages the list's entries came from, each kept once: a list holds the
// links of few pages, so an entry stores a small index instead of the address.
class OriginTable {
public:
    using Index = std::uint32_t;
    static constexpr Index kNone = 0;

    // The index of `address`, added if new; kNone for an empty one.
    Index intern(std::string_view address);
    // The address at `index`, empty for kNone; valid until the next intern or clear.
    const std::string& at(Index index) const;
    void clear();
    // How many indexes are given out, kNone included: they run from 0 to size() - 1.
    Index size() const { return static_cast<Index>(addresses_.size()); }

private:
    std::vector<std::string> addresses_{std::string()};
    std::unordered_map<std::string, Index> indexes_;
};

} // namespace harvex2::core
