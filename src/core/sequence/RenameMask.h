#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// A file name made for each URL from a mask: `#1`, `#2` ... the values of a bracket
// template's counters (as curl's -o uses them), `*name*` and `*ext*` the URL's file name
// without its extension and the extension, `*num*` the row number zero-padded to the width
// of the row count, `*host*` the URL's host. Any other text stands as it is; so does a
// `#N` naming no counter.
class RenameMask {
public:
    // What one URL's name is made of.
    struct Row {
        std::string_view url;
        std::uint64_t number = 1; // from 1
        std::uint64_t count = 1;  // rows in all
        const std::vector<std::string_view>* counters = nullptr;
    };

    explicit RenameMask(std::string_view mask);

    // Replaces `out` with the name of `row`.
    void name(const Row& row, std::string& out) const;

    // The file name of a URL: the text after the last "/" of its path.
    static std::string_view fileNameOf(std::string_view url);
    // The host of a URL, without user, port or brackets; empty when it names none.
    static std::string_view hostOf(std::string_view url);

private:
    enum class Tag { Text, Counter, Name, Ext, Num, Host };
    struct Part {
        Tag tag;
        std::string text;    // Text, and how a Counter was written
        std::size_t counter; // Counter: from 1
    };

    void appendPart(const Part& part, const Row& row, std::string& out) const;

    std::vector<Part> parts_;
};

} // namespace harvex2::core
