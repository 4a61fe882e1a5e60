#include "core/sequence/SequenceFields.h"

namespace harvex2::core {

std::optional<char> SequenceFields::marker() const {
    if (charDigit < 0 || charDigit >= static_cast<std::int32_t>(kDigitMarkers.size())) {
        return std::nullopt;
    }
    return kDigitMarkers[static_cast<std::size_t>(charDigit)];
}

} // namespace harvex2::core
