#pragma once

#include <cstdint>

namespace harvex2::core {

// Wide enough that files over 2 GB still count right.
struct ScanCounters {
    std::int64_t characters = 0;
    std::int64_t linksFound = 0;
    std::int64_t linksIgnored = 0;
    bool operator==(const ScanCounters&) const = default;
};

enum class ScanEvent {
    Characters, // a piece of the file was consumed
    LinkKept,
    LinkIgnored,
    Finished // the counters are final
};

// Follows a scan's counters as they change. The scanner reports after every link and
// after every piece it reads, never per character; a view decides how often it redraws.
class ScanStats {
public:
    virtual ~ScanStats() = default;
    virtual void UpdateStats(ScanEvent event, const ScanCounters& counters) = 0;
};

} // namespace harvex2::core
