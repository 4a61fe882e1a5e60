#pragma once

#include <cstddef>
#include <functional>

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
};

} // namespace harvex2::core
