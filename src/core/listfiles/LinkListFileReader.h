#pragma once

#include "core/listfiles/LinkListRecord.h"

#include <cstdio>
#include <optional>
#include <string>

namespace harvex2::core {

// Reads a link list file record by record through one large buffer. Every failure
// throws platform::IoError; a file that ends inside a record gives "Read beyond end of
// file" once the whole records before it have been handed out.
class LinkListFileReader {
public:
    // Opens for reading only, so a read-only file opens like any other.
    explicit LinkListFileReader(const std::string& path);
    // Takes over a stream that is already open (a file in memory, say).
    explicit LinkListFileReader(std::FILE* file);
    ~LinkListFileReader();
    LinkListFileReader(const LinkListFileReader&) = delete;
    LinkListFileReader& operator=(const LinkListFileReader&) = delete;

    // The next record, valid until the next call; nullopt where the file ends after a
    // whole record.
    std::optional<LinkListRecord::Fields> next();
    // A record that must be there: a header record.
    LinkListRecord::Fields required();

private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

} // namespace harvex2::core
