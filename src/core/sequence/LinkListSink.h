#pragma once

#include "core/sequence/GlobCursor.h"
#include "core/sequence/GlobTemplate.h"
#include "core/sequence/SequenceSink.h"
#include "core/shell/LinkList.h"

#include <optional>
#include <string>
#include <vector>

namespace harvex2::core {

// Appends URLs to the end of the link list, unchecked, a slice at a time. The URLs of a
// slice wait end to end in one buffer, so a long series costs no allocation per URL and
// the same per URL at ten million entries as at the first. URLs of a bracket template,
// given in its order, keep their counter values in the entries' details.
class LinkListSink : public SequenceSink {
public:
    explicit LinkListSink(LinkList& links, const GlobTemplate* glob = nullptr);

    void append(std::string_view url) override;
    // The view lays out new rows at its own pace, so every slice is passed on at once.
    void flush() override { finish(); }
    void finish() override;

private:
    LinkList& links_;
    std::string pendingBytes_;
    // Where each waiting URL ends in pendingBytes_.
    std::vector<std::size_t> pendingEnds_;
    std::vector<std::string_view> pendingViews_;
    // Walks the template in step with the URLs appended, for their counter values.
    std::optional<GlobCursor> cursor_;
    std::vector<std::vector<std::string>> pendingCounters_;
};

} // namespace harvex2::core
