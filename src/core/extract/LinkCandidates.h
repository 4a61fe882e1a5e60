#pragma once

#include <cstddef>
#include <string_view>

namespace harvex2::core {

// Where a link of plain text may begin and end: the `:` of a `://`, or the dot of a `www.` (in
// any case). The text link finder spends most of its time here, so on x86-64 sixteen
// bytes are tested at a time.
class LinkCandidates {
public:
    // The first candidate at or after `from`, or npos.
    static std::size_t next(std::string_view text, std::size_t from);

    // The first byte at or after `from` that is not printable ASCII other than
    // `<>"``()[]`: where the bytes of a link may end. At most the size of `text`.
    static std::size_t plainEnd(std::string_view text, std::size_t from);

    // Whether `at` is a candidate.
    static bool isCandidate(std::string_view text, std::size_t at);

private:
    static std::size_t nextOneByOne(std::string_view text, std::size_t from, std::size_t to);
};

} // namespace harvex2::core
