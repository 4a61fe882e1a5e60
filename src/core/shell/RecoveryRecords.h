#pragma once

#include "core/shell/LinkList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace harvex2::core {

// The recovery file's format. After a fixed first line come records, each a 32-bit size, a
// 32-bit check of its payload and the payload, little-endian throughout. A payload is a
// page address ('O', its index and its bytes) or a run of entries ('E': each an id, an
// origin index, flags, the link and the details the flags name). A reader keeps every whole
// record up to the first that is cut or damaged, so a file torn by a crash still gives
// what was written before.
class RecoveryRecords {
public:
    static constexpr std::string_view kFirstLine = "Harvex2 link list recovery 1\n";
    static constexpr std::uint32_t kMaxPayload = 64u << 20;

    // Appends the addresses of origins [first, end) as records to `out`.
    static void writeOrigins(std::string& out, const OriginTable& origins, OriginTable::Index first,
                             OriginTable::Index end);
    // Appends entries [first, end) of `links` as one record to `out`.
    static void writeEntries(std::string& out, const LinkList& links, std::size_t first,
                             std::size_t end);
    // Everything whole in `bytes`, a file's contents; nothing when its first line is not ours.
    static LinkList::Saved read(std::string_view bytes);

private:
    static void seal(std::string& out, std::size_t start);
};

} // namespace harvex2::core
