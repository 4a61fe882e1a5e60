#include "core/shell/EntryDetails.h"

namespace harvex2::core {

void EntryDetails::erase(EntryId id) {
    fileNames.erase(id);
    referrers.erase(id);
    counters.erase(id);
}

void EntryDetails::clear() {
    fileNames.clear();
    referrers.clear();
    counters.clear();
}

bool EntryDetails::empty() const {
    return fileNames.empty() && referrers.empty() && counters.empty();
}

} // namespace harvex2::core
