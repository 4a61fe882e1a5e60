#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace harvex2::platform {

// The text of a profile (INI) file: "[section]" header lines and "key=value" lines.
// Section and key names compare without regard to ASCII letter case; blanks around names
// and values do not count, in the text as in the names asked for. Lines may end in CRLF, LF or CR;
// written text ends every line with CRLF.
class ProfileFileText {
public:
    // The value of `key` in the first section named `section`, without surrounding blanks
    // and without one pair of enclosing quotes ("..." or '...').
    static std::optional<std::string> find(std::string_view text, std::string_view section,
                                           std::string_view key);

    // Whether a key line can carry `value` as `key` of `section` and read back there: no line
    // break or NUL anywhere, a key that is not blank, holds no "=" and does not begin with "["
    // (it would read as a section header), a section without "]".
    static bool canCarry(std::string_view section, std::string_view key, std::string_view value);

    // `text` with `key` of `section` set to `value`: an existing key keeps its line and its
    // spelling, a new key goes after the last line of its section, a new section goes at the
    // end of the text after a blank line.
    static std::string withValue(std::string_view text, std::string_view section,
                                 std::string_view key, std::string_view value);
};

} // namespace harvex2::platform
