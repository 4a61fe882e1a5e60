#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace harvex2::core {

class LinkList;
class ListFileBoxes;

// Reads a link list file into the program at once, where nothing waits on it: the header
// records set the two boxes and every entry is appended after those already in the list,
// with its stored checked state. A failure throws platform::IoError; a file refused for
// its kind or its header changes nothing, and after that what was set or appended before a
// failure stays.
class LinkListLoader {
public:
    // Told the number of entries appended so far, as they are appended.
    using Progress = std::function<void(std::size_t appended)>;

    LinkListLoader(LinkList& links, ListFileBoxes& boxes);

    void load(const std::string& path, const Progress& progress = {});

private:
    LinkList& links_;
    ListFileBoxes& boxes_;
};

} // namespace harvex2::core
