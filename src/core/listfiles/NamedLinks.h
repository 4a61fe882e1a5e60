#pragma once

#include <string>
#include <vector>

namespace harvex2::core {

class LinkList;

// A text list that gives each link a file name: "link<TAB>name" lines. Read this way only
// when the user asks; otherwise a TAB belongs to the link.
class NamedLinks {
public:
    // Appends each line's link and keeps its name, when it has one, in the entry's details.
    // The link ends at the line's last TAB.
    static void append(LinkList& links, std::vector<std::string> lines);
};

} // namespace harvex2::core
