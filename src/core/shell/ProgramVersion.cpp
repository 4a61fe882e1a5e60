#include "core/shell/ProgramVersion.h"

namespace harvex2::core {

std::string ProgramVersion::text(const std::string& decimalSeparator) {
    const int cents = kHundredths % 100;
    return std::to_string(kHundredths / 100) + decimalSeparator + (cents < 10 ? "0" : "") +
           std::to_string(cents);
}

} // namespace harvex2::core
