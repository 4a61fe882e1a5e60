#pragma once

#include "core/listfiles/LinkListRecord.h"

#include <memory>
#include <string>
#include <string_view>

namespace harvex2::platform {
class ReadingFile;
}

namespace harvex2::core {

// Reads a link list file record by record through one large buffer. Every failure
// throws platform::IoError; a file that ends inside a record gives "Read beyond end of
// file" once the whole records before it have been handed out.
class LinkListFileReader {
public:
    struct Header {
        std::string baseUrl;
        std::string directory;
    };

    // Opens for reading only, so a read-only file opens like any other; anything but a
    // regular file is refused.
    explicit LinkListFileReader(const std::string& path);
    ~LinkListFileReader();
    LinkListFileReader(const LinkListFileReader&) = delete;
    LinkListFileReader& operator=(const LinkListFileReader&) = delete;

    // The three header records, all checked before any is handed out: kNotLinkList when
    // the bytes there cannot be a link list's header, kReadBeyondEnd when the file ends
    // inside one that could be. Read first.
    Header header();
    // The whole records that follow, at most `most` of them, side by side and valid until
    // the next call; empty where the file ends after a whole record.
    std::string_view records(std::size_t most);

private:
    bool fill();

    std::unique_ptr<platform::ReadingFile> file_;
    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
};

} // namespace harvex2::core
