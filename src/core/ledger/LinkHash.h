#pragma once

#include <cstdint>
#include <string_view>

namespace harvex2::core {

// A 64-bit hash of a link's canonical form: what the ledger keeps in memory instead of the
// link. It is never stored, so it may change between versions. Never 0, which marks a free
// slot of the index.
class LinkHash {
public:
    static std::uint64_t of(std::string_view bytes);
};

} // namespace harvex2::core
