#pragma once

#include <string>
#include <vector>

namespace harvex2::core {

// What a drop of local files on the main window leads to.
enum class DropRoute {
    Nothing,      // no file at all
    ParseHtml,    // one page: parsed at once into the link list
    OpenLinkList, // one link list file: opened as the open command does
    CannotHandle, // one file of any other kind: the user is told
    ParseMany     // two or more files, whatever their kind: multiple-file parsing
};

class DroppedFiles {
public:
    static constexpr const char* kCannotHandle =
        "Cannot do anything with this file. Try drag-dropping a .htm[l] or .nva file.";

    static DropRoute route(const std::vector<std::string>& paths);
    // The file name's text from its last "." on, in upper case; empty without a ".".
    static std::string extension(const std::string& path);
};

} // namespace harvex2::core
