#pragma once

#include "core/extract/ScanStats.h"

#include <ostream>

namespace harvex2::core {

// Lets failing expectations show the three counters instead of raw bytes.
inline void PrintTo(const ScanCounters& counters, std::ostream* out) {
    *out << "{characters " << counters.characters << ", found " << counters.linksFound
         << ", ignored " << counters.linksIgnored << "}";
}

} // namespace harvex2::core
