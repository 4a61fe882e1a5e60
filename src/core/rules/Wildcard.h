#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// A pattern where "*" stands for any run of bytes and "?" for any one byte, matched against
// the whole of a text; every other byte stands for itself. Letters a to z match either case
// unless told otherwise.
class Wildcard {
public:
    Wildcard(std::string_view pattern, bool ignoreCase);

    bool matches(std::string_view text) const;

private:
    std::string pattern_; // folded to lower case when case is ignored
    bool ignoreCase_;
};

} // namespace harvex2::core
