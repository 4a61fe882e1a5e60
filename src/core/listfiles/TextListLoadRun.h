#pragma once

#include "core/listfiles/ListFileObserver.h"
#include "core/shell/SlicedRun.h"
#include "platform/posix/ReadingFile.h"

#include <string>
#include <vector>

namespace harvex2::core {

class LinkList;

// Reads a text list, one link a line, a buffer per slice, and appends the slice's whole
// lines after the entries already in the list. With names, a line is "link<TAB>name" and
// the name goes to the entry's details; otherwise a TAB belongs to the link. A line ends at
// a line feed, a carriage return before it dropped; empty lines are no links. What was
// appended before a failure stays.
class TextListLoadRun final : public SlicedRun {
public:
    static constexpr std::size_t kBuffer = 1 << 16;

    // Throws platform::IoError when the file cannot be opened.
    TextListLoadRun(const std::string& path, bool names, LinkList& links,
                    ListFileObserver& observer);

    bool advance() override;
    void cancel() override { cancelled_ = true; }

private:
    void append(std::vector<std::string> lines);

    platform::ReadingFile file_;
    bool names_;
    LinkList& links_;
    ListFileObserver& observer_;
    std::string buffer_;
    std::string unended_; // the start of a line the next buffer ends
    std::size_t appended_ = 0;
    bool cancelled_ = false;
};

} // namespace harvex2::core
