#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace harvex2::platform {

// A profile (INI) file read and written one key at a time, as the desktop's profile
// functions do: every read looks at the file afresh (another program may change it), a
// missing file is created by the first write but a missing folder never is, and values
// are bytes without any character-set conversion.
//
// Other programs may use the file at the same time. A read and a whole read-modify-write
// each hold the file's fcntl record lock, which every cooperating program takes as well; a
// copy that holds it for seconds is given up on. Text that a program which does not lock
// adds while a write is under way is kept behind the new text. A link in the place of the
// file is never followed, and nothing but a plain file is read or written.
class ProfileFile {
public:
    // What a read delivers at most; longer values are cut.
    static constexpr std::size_t kMaxValueLength = 2047;

    enum class Creation { Created, Exists, Failed };

    explicit ProfileFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // `fallback` when the file, the section or the key is missing, or the file cannot be
    // read.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback = {}) const;

    // False when the file cannot be written (missing folder, no permission, disk full; the
    // file then keeps its old contents) or when the text cannot be carried by a profile
    // line: a line break or NUL anywhere, a key that is blank, holds "=" or begins with "[",
    // or a section with "]".
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    // Makes the file holding only `key` of `section`, as a first write would, when nothing
    // of its name exists yet, not even a link: Exists then. Failed as write fails.
    Creation create(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string path_;
};

} // namespace harvex2::platform
