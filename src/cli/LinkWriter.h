#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace harvex2::cli {

// Writes links to a stream, each followed by a separator, through one large buffer so
// that a file with millions of links costs few system calls.
class LinkWriter {
public:
    LinkWriter(std::FILE* out, char separator);
    ~LinkWriter();
    LinkWriter(const LinkWriter&) = delete;
    LinkWriter& operator=(const LinkWriter&) = delete;

    void write(std::string_view link);
    // Returns false when anything could not be written.
    bool flush();
    // True once anything could not be written.
    bool failed() const { return failed_; }

private:
    std::FILE* out_;
    char separator_;
    std::string pending_;
    bool failed_ = false;
};

} // namespace harvex2::cli
