#pragma once

#include <stdexcept>
#include <string>

namespace harvex2::platform {

// A failed file operation: the system's error number and the text the program shows for it
// ("File not found", "Disk full", ..., otherwise "I/O error " and the number).
class IoError : public std::runtime_error {
public:
    // Not an errno value: a file ended before the data the program needed.
    static constexpr int kReadBeyondEnd = -1;
    // Not errno values either: a name that is no regular file (a FIFO, a device, a socket),
    // a file whose first records cannot be those of a link list, a file that has other
    // names (hard links) and would lose them if replaced, and a link to nothing.
    static constexpr int kNotRegularFile = -2;
    static constexpr int kNotLinkList = -3;
    static constexpr int kHardLinked = -4;
    static constexpr int kDanglingLink = -5;

    explicit IoError(int code);

    // From the current errno.
    static IoError fromErrno();
    static std::string textFor(int code);

    int code() const { return code_; }

private:
    int code_;
};

} // namespace harvex2::platform
