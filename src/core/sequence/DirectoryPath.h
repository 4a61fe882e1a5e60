#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace harvex2::core {

// The rules the directory browser builds its paths by. A path is absolute; a root keeps
// its separator, every other directory has none at its end.
class DirectoryPath {
public:
    static constexpr char kSeparator =
        static_cast<char>(std::filesystem::path::preferred_separator);

    // Doubled separators made single and the trailing one dropped.
    static std::string normalised(std::string_view path);
    // The directory above; the root is its own parent.
    static std::string parent(std::string_view path);
    static std::string child(std::string_view directory, std::string_view name);
    // The root and each directory on the way down to `path`, `path` last.
    static std::vector<std::string> chain(std::string_view path);
    // The last name of a path; the root is named by itself.
    static std::string name(std::string_view path);
    // Whether `path` is `folder` or lies below it.
    static bool isWithin(std::string_view path, std::string_view folder);
    // A folder to be made inside `createIn`: one separator between the two (none added
    // when `createIn` ends with one), and one leading separator of `name` dropped.
    static std::string newDirectory(std::string_view createIn, std::string_view name);
};

} // namespace harvex2::core
