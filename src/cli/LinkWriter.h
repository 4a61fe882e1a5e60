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
    // flush() at the end of a command: a failure is told on `err` as "the `what` could not
    // be written", except a reader that stopped reading, which wanted no more and is no
    // news to the user.
    bool finish(std::FILE* err, const char* what);
    // Hands the links found so far to the reader and tells whether it still takes them:
    // false after a failed write, or once the reader has closed its end of a pipe.
    bool deliver();
    // The system's error number of the first failure.
    int error() const { return error_; }
    // True once anything could not be written.
    bool failed() const { return error_ != 0; }

private:
    void fail(int error);
    bool readerGone() const;

    std::FILE* out_;
    char separator_;
    std::string pending_;
    int error_ = 0;
};

} // namespace harvex2::cli
