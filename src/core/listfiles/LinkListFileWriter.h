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
    // The record of the entry at `index`.
    static void appendEntry(std::string& out, const LinkList& links, std::size_t index);
};

} // namespace harvex2::core
