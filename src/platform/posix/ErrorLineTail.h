#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::platform {

// The last line a program writes to its error output, for showing why it failed. Progress
// meters rewrite their line with carriage returns, so a line ends at CR as well as LF; only
// the line being written and the last finished one are kept, each cut at kMaxBytes, so a
// program that writes without end costs no memory.
class ErrorLineTail {
public:
    static constexpr std::size_t kMaxBytes = 1024;

    void feed(std::string_view bytes);
    // The last line with text, its escape sequences and control characters removed and its
    // blanks trimmed; empty when there is none.
    std::string lastLine() const;

    // `raw` without terminal escape sequences and control characters (a TAB is a blank).
    static std::string cleaned(std::string_view raw);

private:
    void endLine();

    std::string current_;
    std::string last_;
};

} // namespace harvex2::platform
