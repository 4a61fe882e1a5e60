#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::platform {
class ReplacingFile;
}

namespace harvex2::core {

class LinkList;
class ListFileBoxes;
class LongTexts;

// Writes the link list file form: the three header records, then every entry with its
// own text and checked state. Throws platform::IoError.
class LinkListFileWriter {
public:
    // Told the zero-based position of the entry last written.
    using Progress = std::function<void(std::size_t position)>;

    static void write(platform::ReplacingFile& out, const ListFileBoxes& header,
                      const LinkList& links, const Progress& progress = {});

    // The header records.
    static std::string head(const ListFileBoxes& header);
    // The records of the entries from `first` up to but not including `end`, each text
    // also shown to `see` (as LongTexts::see takes it) when given.
    static void appendEntries(std::string& out, const LinkList& links, std::size_t first,
                              std::size_t end, LongTexts* seen = nullptr);
};

} // namespace harvex2::core
