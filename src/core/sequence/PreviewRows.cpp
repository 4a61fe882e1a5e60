#include "core/sequence/PreviewRows.h"

#include "core/handoff/DownloadTarget.h"

#include <algorithm>

namespace harvex2::core {

namespace {
constexpr std::size_t kBlockSize = std::size_t{1024} * 1024;
}

void PreviewRows::clear(std::string downloadDir) {
    downloadDir_ = std::move(downloadDir);
    blocks_.clear();
    spans_.clear();
    longestUrl_ = 0;
    longestName_ = 0;
}

void PreviewRows::append(std::string_view url) {
    if (blocks_.empty() || blocks_.back().size() + url.size() > blocks_.back().capacity()) {
        blocks_.emplace_back().reserve(std::max(kBlockSize, url.size()));
    }
    std::string& block = blocks_.back();
    spans_.push_back({blocks_.size() - 1, block.size(), url.size()});
    block.append(url);
    const std::size_t row = spans_.size() - 1;
    if (url.size() > this->url(longestUrl_).size()) {
        longestUrl_ = row;
    }
    if (nameSize(url) > nameSize(this->url(longestName_))) {
        longestName_ = row;
    }
}

std::string_view PreviewRows::url(std::size_t row) const {
    const Span& span = spans_[row];
    return std::string_view(blocks_[span.block]).substr(span.offset, span.size);
}

std::string PreviewRows::downloadTo(std::size_t row) const {
    return DownloadTarget::forLink(downloadDir_, url(row));
}

std::size_t PreviewRows::nameSize(std::string_view url) {
    const auto slash = url.rfind('/');
    return slash == std::string_view::npos ? url.size() : url.size() - slash - 1;
}

} // namespace harvex2::core
