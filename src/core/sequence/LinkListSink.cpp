#include "core/sequence/LinkListSink.h"

#include <utility>

namespace harvex2::core {

LinkListSink::LinkListSink(LinkList& links, const GlobTemplate* glob) : links_(links) {
    if (glob) {
        cursor_.emplace(*glob);
        if (cursor_->counterCount() == 0) {
            cursor_.reset();
        }
    }
}

void LinkListSink::append(std::string_view url) {
    pendingBytes_.append(url);
    pendingEnds_.push_back(pendingBytes_.size());
    if (cursor_) {
        std::vector<std::string>& counters = pendingCounters_.emplace_back();
        for (std::size_t n = 0; n < cursor_->counterCount(); ++n) {
            counters.emplace_back(cursor_->counter(n));
        }
        cursor_->next();
    }
}

void LinkListSink::finish() {
    std::size_t start = 0;
    for (const std::size_t end : pendingEnds_) {
        pendingViews_.emplace_back(pendingBytes_.data() + start, end - start);
        start = end;
    }
    const EntryId first = links_.appendAll(std::span<const std::string_view>(pendingViews_));
    pendingViews_.clear();
    pendingEnds_.clear();
    pendingBytes_.clear();
    std::vector<std::vector<std::string>> counters = std::exchange(pendingCounters_, {});
    for (std::size_t i = 0; i < counters.size(); ++i) {
        links_.details().counters.set(first + i, std::move(counters[i]));
    }
}

} // namespace harvex2::core
