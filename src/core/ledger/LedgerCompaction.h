#pragma once

#include <cstddef>
#include <string>

namespace harvex2::core {

// Rewrites the ledger file without its forgotten lines: one "sent" line, the latest, for
// each link and target still sent. It holds the ledger's lock exclusively throughout, so no
// copy of the program appends meanwhile, and the new file takes the old one's place in one
// rename.
class LedgerCompaction {
public:
    // Does nothing when another copy compacted first. Returns whether it rewrote the file.
    // Throws platform::IoError.
    static bool runIfDue(const std::string& path);
};

} // namespace harvex2::core
