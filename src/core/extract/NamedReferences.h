#pragma once

#include <cstddef>
#include <string_view>

namespace harvex2::core {

struct NamedReference {
    const char* name; // with its ";" where the name has one
    const char* text; // UTF-8
};

// The named character references of HTML5. Some names are also valid without their ";"
// (`&amp`, `&copy`), and those are listed both ways, as the standard lists them.
class NamedReferences {
public:
    static constexpr std::size_t kLongestName = 32;

    // The longest name that `text` begins with, or nullptr.
    static const NamedReference* longestPrefixOf(std::string_view text);

private:
    static const NamedReference kTable[];
    static const std::size_t kCount;
};

} // namespace harvex2::core
