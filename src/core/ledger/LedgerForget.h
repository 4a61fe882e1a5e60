#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

class Ledger;

// Takes links back out of a loaded ledger: a "forgotten" line for each link and target it
// was sent to that the test picks, then a compaction when forgotten lines pass half of
// the file.
class LedgerForget {
public:
    struct Forgotten {
        std::string target;
        std::string link; // canonical
    };
    using Test = std::function<bool(std::string_view canonical)>;

    // An empty `target` forgets the links for every target. Throws platform::IoError.
    static std::vector<Forgotten> run(Ledger& ledger, const Test& picks, std::string_view target);
};

} // namespace harvex2::core
