#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace harvex2::core {

// Reads the ledger file line by line, in pieces, however large it is. A last line without
// its line feed is one a writer did not finish, and is left out; so are empty lines.
class LedgerReader {
public:
    // The lines from byte `from` on; returns where the last whole line ends, the place to
    // go on from once the file has grown. A file that does not exist reads as empty.
    // Throws platform::IoError.
    static std::uint64_t forEachLine(const std::string& path,
                                     const std::function<void(std::string_view line)>& take,
                                     std::uint64_t from = 0);
    // About how many lines the file holds, judged by its start. Throws platform::IoError.
    static std::size_t estimateLines(const std::string& path);
};

} // namespace harvex2::core
