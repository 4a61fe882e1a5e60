#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::core {

class LinkList;
class LinkListFileReader;
class ListFileBoxes;

// Reads a link list file into the program: the header records set the two boxes and
// every entry is appended after those already in the list, with its stored checked
// state. A failure throws platform::IoError; what was set or appended before it stays.
class LinkListLoader {
public:
    // Told the number of entries appended so far, as they are appended.
    using Progress = std::function<void(std::size_t appended)>;

    LinkListLoader(LinkList& links, ListFileBoxes& boxes);

    void load(const std::string& path, const Progress& progress = {});
    void load(LinkListFileReader& reader, const Progress& progress = {});

private:
    LinkList& links_;
    ListFileBoxes& boxes_;
};

} // namespace harvex2::core
