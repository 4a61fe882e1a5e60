#pragma once

#include "core/sequence/SequenceSink.h"
#include "core/shell/LinkList.h"

#include <string>
#include <vector>

namespace harvex2::core {

// Appends URLs to the end of the link list, unchecked, in batches that grow with the list,
// so that the list's view follows a long series cheaply.
class LinkListSink : public SequenceSink {
public:
    explicit LinkListSink(LinkList& links) : links_(links) {}

    void append(std::string_view url) override;
    void flush() override;
    void finish() override;

private:
    LinkList& links_;
    std::vector<std::string> pending_;
};

} // namespace harvex2::core
