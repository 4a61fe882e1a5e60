#include "core/listfiles/LinkListLoadRun.h"

#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"
#include "platform/IoError.h"

namespace harvex2::core {

LinkListLoadRun::LinkListLoadRun(std::unique_ptr<LinkListFileReader> reader,
                                 const LinkListFileReader::Header& header, LinkList& links,
                                 ListFileBoxes& boxes, ListFileObserver& observer)
    : reader_(std::move(reader)), links_(links), observer_(observer) {
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
            const auto record = reader_->next();
            if (!record) {
                hand();
                return false;
            }
            texts_.emplace_back(record->text);
            checked_.push_back(record->checked);
        }
        hand();
        return true;
    } catch (const platform::IoError& error) {
        hand();
        observer_.failed(error);
        return false;
    }
}

void LinkListLoadRun::hand() {
    if (texts_.empty()) {
        return;
    }
    const std::size_t first = links_.count();
    links_.appendAll(std::move(texts_));
    texts_.clear();
    for (std::size_t i = 0; i < checked_.size(); ++i) {
        if (checked_[i]) {
            links_.setChecked(first + i, true);
        }
    }
    appended_ += checked_.size();
    checked_.clear();
    observer_.progressed(appended_);
}

} // namespace harvex2::core
