#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace harvex2::core {

// What a command template's placeholders stand for on one row.
struct CommandValues {
    std::string url;
    std::string dir;
    std::string name;
    std::string referer;
    // The row number, from 1.
    std::size_t n = 0;

    // The values for a link saved into `dir` (the current folder when empty). The name is
    // `givenName`, already made safe by a mask or an import, else the link's own file name.
    static CommandValues forLink(std::string url, std::string_view dir, std::string givenName,
                                 std::string referer, std::size_t n);
    // The link's last path segment, without query or fragment, by the file-name rule; a
    // link that gives no usable name gets one made from its row number, so that two such
    // rows never write the same file.
    static std::string linkFileName(std::string_view url, std::size_t n);
    // Makes the folders a name holding "/" needs below the folder, which few programs make
    // themselves; false, with `error` set, when one cannot be made.
    bool makeNameFolders(std::string& error) const;
};

} // namespace harvex2::core
