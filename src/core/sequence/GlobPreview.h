#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace harvex2::core {

// What the dialog shows of a bracket template before anything is made: how many URLs, the
// first and the last, or why the template is refused. Nothing is expanded to know them.
struct GlobPreview {
    std::uint64_t count = 0;
    std::string first;
    std::string last;
    std::string problem; // empty when the template can be expanded

    static GlobPreview of(std::string_view text);
    // "12,345".
    static std::string groupedDigits(std::uint64_t number);
};

} // namespace harvex2::core
