#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace harvex2::core {

// The characters that can stand for the number in a URL template, in the order the marker
// list offers them; a stored marker is an index into this list.
inline constexpr std::array<char, 4> kDigitMarkers{'|', '#', '~', '^'};

// The fields of the Add Sequential Files dialog as typed. Numbers stay text until a run
// needs them, so a profile keeps whatever the user typed.
struct SequenceFields {
    std::string url;              // the URL template
    std::int32_t charDigit = 0;   // index into kDigitMarkers; anything else selects none
    std::string downloadDir;      // may be empty
    bool zeros = false;           // pad numbers with leading zeros
    std::string zerosCount = "1"; // Positions
    bool nv = true;               // true: the Adding window; false: the link list
    std::string start = "0";
    std::string end = "0"; // Go to, inclusive
    std::string step = "1";
    bool glob = false; // the URL is a bracket template; marker, range and zeros are not used

    // The selected marker character, or nothing when no marker is selected.
    std::optional<char> marker() const;

    bool operator==(const SequenceFields&) const = default;
};

} // namespace harvex2::core
