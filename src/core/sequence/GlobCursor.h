#pragma once

#include "core/sequence/GlobTemplate.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// Walks the URLs of a bracket template in order, one at a time, with the values its
// counters have in each. A step remakes the URL only from the counter that changed, so a
// series of any length costs the same per URL and holds one URL in memory.
class GlobCursor {
public:
    // Stands on the first URL. The template must outlive the cursor.
    explicit GlobCursor(const GlobTemplate& glob);

    const std::string& url() const { return url_; }
    // How many counters the template has, and the text the n-th (from 0) put into url().
    std::size_t counterCount() const { return counters_.size(); }
    std::string_view counter(std::size_t n) const;

    // Moves to the next URL; false, staying on the last, when there is none.
    bool next();

private:
    void remakeFrom(std::size_t piece);

    const std::vector<GlobGroup>& pieces_;
    std::vector<std::uint64_t> values_; // each piece's value index
    std::vector<std::size_t> starts_;   // where each piece begins in url_, then its end
    std::vector<std::size_t> counters_; // the pieces that are counters
    std::vector<std::size_t> changing_; // the counters of more than one value, last first
    std::string url_;
};

} // namespace harvex2::core
