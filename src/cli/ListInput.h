#pragma once

#include "core/listfiles/ListHeader.h"
#include "core/shell/LinkList.h"

#include <string>

namespace harvex2::cli {

// A list given to a command: a link list file (named ".nva" in any case) with its header
// texts and checked states, or a plain-text list, one link per line, all unchecked.
class ListInput {
public:
    // True for a name the program would open as a link list file.
    static bool isListFile(const std::string& path);
    // Throws platform::IoError; a link list file cut short throws after its whole records
    // have been read into `links`.
    // `names`: a text list holds "link<TAB>name" lines.
    static void read(const std::string& path, core::LinkList& links, core::ListHeader& header,
                     bool names = false);

private:
    // Lines end at a line feed, with a carriage return before it dropped; empty lines are
    // no links.
    static void readText(const std::string& path, core::LinkList& links, bool names);
};

} // namespace harvex2::cli
