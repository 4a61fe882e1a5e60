#pragma once

#include "core/sequence/GlobCursor.h"
#include "core/sequence/GlobTemplate.h"
#include "core/sequence/SequenceSink.h"
#include "core/shell/LinkList.h"

#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// Appends URLs to the end of the link list, unchecked, in batches that grow with the list,
// so that the list's view follows a long series cheaply. URLs of a bracket template, given
// in its order, keep their counter values in the entries' details.
class LinkListSink : public SequenceSink {
public:
    explicit LinkListSink(LinkList& links, const GlobTemplate* glob = nullptr);

    void append(std::string_view url) override;
    void flush() override;
    void finish() override;

private:
    LinkList& links_;
    std::vector<std::string> pending_;
    // Walks the template in step with the URLs appended, for their counter values.
    std::optional<GlobCursor> cursor_;
    std::vector<std::vector<std::string>> pendingCounters_;
};

} // namespace harvex2::core
