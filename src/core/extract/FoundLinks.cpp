#include "core/extract/FoundLinks.h"

namespace harvex2::core {

void FoundLinks::take(std::string_view value, bool ignored) {
    if (ignored) {
        ++counters_.linksIgnored;
        report(ScanEvent::LinkIgnored);
    } else {
        ++counters_.linksFound;
        destination_(value);
        report(ScanEvent::LinkKept);
    }
}

void FoundLinks::report(ScanEvent event) {
    if (stats_) {
        stats_->UpdateStats(event, counters_);
    }
}

} // namespace harvex2::core
