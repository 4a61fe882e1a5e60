#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::core {

// One fixed-size record of a link list file: a checked flag, a length byte and a text
// field of 128 bytes. A file is three header records (format, Base URL, download
// directory) followed by one record per entry, with nothing else in it.
class LinkListRecord {
public:
    static constexpr std::size_t kSize = 130;
    static constexpr std::size_t kTextSize = 128;
    static constexpr std::size_t kHeaderRecords = 3;
    static constexpr std::string_view kFormatText = "142";

    struct Fields {
        std::string_view text;
        bool checked = false;
    };

    // Appends the record to `out`: a longer text keeps its first 128 bytes, and the unused
    // part of the text field is zero.
    static void append(std::string& out, std::string_view text, bool checked);
    // The same into kSize bytes at `record` that are zero already.
    static void fill(char* record, std::string_view text, bool checked);
    // `record` holds exactly kSize bytes. A length byte above 128 reads as 128, so nothing
    // beyond the record is ever taken; the view points into `record`.
    static Fields decode(std::string_view record);
    // Whether `bytes`, the first bytes of a file and possibly fewer than the three header
    // records, can begin a link list: each flag 0 or 1, each length at most 128, and a
    // format text of digits only. Other bytes are not looked at: writers leave anything
    // there.
    static bool couldBeHeader(std::string_view bytes);
};

} // namespace harvex2::core
