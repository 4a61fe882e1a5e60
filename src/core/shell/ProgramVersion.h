#pragma once

#include <string>

namespace harvex2::core {

// The program's version number, 1.42, kept in hundredths so that its text never depends
// on floating-point rounding.
class ProgramVersion {
public:
    static constexpr int kHundredths = 142;

    // The number with exactly two decimals behind `decimalSeparator`: "1.42", "1,42".
    // The separator is text because some locales use one of several bytes.
    static std::string text(const std::string& decimalSeparator);
};

} // namespace harvex2::core
