#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::fuzz {

struct ReferenceResult {
    std::vector<std::string> kept;
    std::int64_t ignored = 0;
    std::int64_t characters = 0;
};

// The extractor's rules written the slow, obvious way: one character at a time from a
// reader that answers 26 at the end of the input. The real scanner must agree with it.
ReferenceResult referenceScan(std::string_view input, bool ignoreMailTo, bool ignoreBookmarks,
                              bool qLinks);

} // namespace harvex2::fuzz
