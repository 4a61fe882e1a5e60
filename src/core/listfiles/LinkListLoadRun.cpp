#include "core/listfiles/LinkListLoadRun.h"

#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"

#include <utility>

namespace harvex2::core {

LinkListLoadRun::LinkListLoadRun(std::unique_ptr<LinkListFileReader> reader,
                                 const LinkListFileReader::Header& header, LinkList& links,
                                 ListFileBoxes& boxes, ListFileObserver& observer)
    : reader_(std::move(reader)), links_(links), observer_(observer) {
    texts_.reserve(kRun);
    boxes.setBaseUrl(header.baseUrl);
    boxes.setDownloadDirectory(header.directory);
}

LinkListLoadRun::~LinkListLoadRun() = default;

bool LinkListLoadRun::advance() {
    if (cancelled_) {
        return false;
    }
    try {
        while (texts_.size() < kRun) {
            const std::string_view records = reader_->records(kRun - texts_.size());
            if (records.empty()) {
                hand();
                return false;
            }
            take(records);
        }
        hand();
        return true;
    } catch (const platform::IoError& error) {
        hand();
        observer_.failed(error);
        return false;
    }
}

void LinkListLoadRun::take(std::string_view records) {
    for (std::size_t at = 0; at < records.size(); at += LinkListRecord::kSize) {
        const LinkListRecord::Fields fields =
            LinkListRecord::decode(records.substr(at, LinkListRecord::kSize));
        texts_.emplace_back(fields.text);
        checked_.push_back(fields.checked);
    }
}

void LinkListLoadRun::hand() {
    if (texts_.empty()) {
        return;
    }
    links_.appendChecked(std::exchange(texts_, {}), checked_);
    texts_.reserve(kRun);
    appended_ += checked_.size();
    checked_.clear();
    observer_.progressed(appended_);
}

} // namespace harvex2::core
