#include "core/sequence/PreviewRows.h"

#include "core/handoff/DownloadTarget.h"

namespace harvex2::core {

void PreviewRows::clear(std::string downloadDir) {
    downloadDir_ = std::move(downloadDir);
    urls_.clear();
    urls_.shrink_to_fit();
    ends_.clear();
    ends_.shrink_to_fit();
}

void PreviewRows::append(std::string_view url) {
    urls_.append(url);
    ends_.push_back(urls_.size());
}

std::string_view PreviewRows::url(std::size_t row) const {
    const std::size_t begin = row == 0 ? 0 : ends_[row - 1];
    return std::string_view(urls_).substr(begin, ends_[row] - begin);
}

std::string PreviewRows::downloadTo(std::size_t row) const {
    return DownloadTarget::forLink(downloadDir_, url(row));
}

} // namespace harvex2::core
