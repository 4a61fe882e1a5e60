#include "core/listfiles/LinkListLoadRun.h"

#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"

#include <span>
#include <utility>

namespace harvex2::core {

LinkListLoadRun::LinkListLoadRun(std::unique_ptr<LinkListFileReader> reader,
                                 const LinkListFileReader::Header& header, LinkList& links,
                                 ListFileBoxes& boxes, ListFileObserver& observer)
    : reader_(std::move(reader)), links_(links), observer_(observer) {
    texts_.reserve(kRun);
    checked_.reserve(kRun);
    boxes.setBaseUrl(header.baseUrl);
    boxes.setDownloadDirectory(header.directory);
}

LinkListLoadRun::~LinkListLoadRun() = default;

bool LinkListLoadRun::advance() {
    if (cancelled_) {
        return false;
    }
    try {
        const std::string_view records = reader_->records(kRun);
        if (records.empty()) {
            return false;
        }
        take(records);
        return true;
    } catch (const platform::IoError& error) {
        observer_.failed(error);
        return false;
    }
}

// The texts go from the reader's buffer straight into the list.
void LinkListLoadRun::take(std::string_view records) {
    texts_.clear();
    checked_.clear();
    for (std::size_t at = 0; at < records.size(); at += LinkListRecord::kSize) {
        const LinkListRecord::Fields fields =
            LinkListRecord::decode(records.substr(at, LinkListRecord::kSize));
        texts_.push_back(fields.text);
        checked_.push_back(fields.checked);
    }
    links_.appendChecked(std::span<const std::string_view>(texts_), checked_);
    appended_ += texts_.size();
    observer_.progressed(appended_);
}

} // namespace harvex2::core
