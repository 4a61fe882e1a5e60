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
class ProfileFile {
public:
    // What a read delivers at most; longer values are cut.
    static constexpr std::size_t kMaxValueLength = 2047;

    explicit ProfileFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // `fallback` when the file, the section or the key is missing.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback = {}) const;

    // False when the file cannot be written (missing folder, no permission, disk full; the
    // file then keeps its old contents) or when the text cannot be carried by a profile
    // line: a line break or NUL anywhere, an empty key, "=" in the key or "]" in the section.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string path_;
};

} // namespace harvex2::platform
