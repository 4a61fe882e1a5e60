#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::core {

// Why a rule text was refused, and where: line and column count from 1, the column in
// characters.
struct RuleError {
    std::size_t line = 0;
    std::size_t column = 0;
    std::string reason;

    // "Line 2, column 5: ..."
    std::string message() const;
    // The column of the byte at `at`: the bytes of a UTF-8 character after its first do not
    // count.
    static std::size_t columnOf(std::string_view line, std::size_t at);
};

} // namespace harvex2::core
