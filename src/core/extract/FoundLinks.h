#pragma once

#include "core/extract/ScanStats.h"

#include <functional>
#include <string_view>

namespace harvex2::core {

// What both readers do with a value they found: count it, hand it on unless an ignore rule
// leaves it out, and tell the stats; and the counters of the scan they report.
class FoundLinks {
public:
    // Receives each kept link. The text is only valid during the call.
    using Destination = std::function<void(std::string_view link)>;

    FoundLinks(Destination destination, ScanStats* stats)
        : destination_(std::move(destination)), stats_(stats) {}

    void reset() { counters_ = {}; }
    void take(std::string_view value, bool ignored);
    void report(ScanEvent event);

    ScanCounters& counters() { return counters_; }

private:
    Destination destination_;
    ScanStats* stats_;
    ScanCounters counters_;
};

} // namespace harvex2::core
