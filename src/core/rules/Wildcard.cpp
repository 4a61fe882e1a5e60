#include "core/rules/Wildcard.h"

#include "platform/AsciiText.h"

namespace harvex2::core {

using platform::AsciiText;

Wildcard::Wildcard(std::string_view pattern, bool ignoreCase)
    : pattern_(ignoreCase ? AsciiText::lower(pattern) : std::string(pattern)),
      ignoreCase_(ignoreCase) {}

// Backtracks only to the last "*" seen: at most pattern length times text length steps,
// however many stars the pattern holds.
bool Wildcard::matches(std::string_view text) const {
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = std::string::npos;
    std::size_t resume = 0;
    while (t < text.size()) {
        const char c = ignoreCase_ ? AsciiText::lower(text[t]) : text[t];
        if (p < pattern_.size() && pattern_[p] == '*') {
            star = p++;
            resume = t;
        } else if (p < pattern_.size() && (pattern_[p] == '?' || pattern_[p] == c)) {
            ++p;
            ++t;
        } else if (star != std::string::npos) {
            p = star + 1;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern_.size() && pattern_[p] == '*') {
        ++p;
    }
    return p == pattern_.size();
}

} // namespace harvex2::core
