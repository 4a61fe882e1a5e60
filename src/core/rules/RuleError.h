#pragma once

#include <cstddef>
#include <string>

namespace harvex2::core {

// Why a rule text was refused, and where: line and column count from 1, the column in
// characters.
struct RuleError {
    std::size_t line = 0;
    std::size_t column = 0;
    std::string reason;

    // "Line 2, column 5: ..."
    std::string message() const;
};

} // namespace harvex2::core
