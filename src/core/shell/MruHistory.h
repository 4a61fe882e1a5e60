#pragma once

#include "platform/RegistryStore.h"

#include <string>
#include <vector>

namespace harvex2::core {

// How one drop-down box keeps its history.
struct MruSpec {
    const char* key;            // absolute store key
    bool insertEmpty;           // an empty edit text is inserted too
    bool removeAdjacentRepeats; // runs of equal neighbours keep only their last entry
    int trimChecks;             // how many times "5 or more entries: drop the last" runs
    bool sorted;                // the box keeps its list sorted, ignoring case
};

// The five histories of the program.
namespace mru {
extern const MruSpec kMainBaseUrl;
extern const MruSpec kMainDir;
extern const MruSpec kImport;
extern const MruSpec kSeqUrl;
extern const MruSpec kSeqDir;
} // namespace mru

// The history of one editable drop-down box: newest first, at most four entries.
class MruHistory {
public:
    // Reads the list stored under spec.key (creating the key when missing). Sorted boxes
    // get each entry in its sorted place.
    static std::vector<std::string> load(platform::RegistryStore& store, const MruSpec& spec);
    // Puts editText in front of `entries` by the box's MruSpec choices, rewrites the key and
    // returns the list the box shows afterwards.
    static std::vector<std::string> save(platform::RegistryStore& store, const MruSpec& spec,
                                         std::vector<std::string> entries,
                                         const std::string& editText);
};

} // namespace harvex2::core
