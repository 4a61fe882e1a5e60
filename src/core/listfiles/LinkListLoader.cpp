#include "core/listfiles/LinkListLoader.h"

#include "core/listfiles/ListFileBoxes.h"
#include "core/shell/LinkList.h"

#include <vector>

namespace harvex2::core {

namespace {

// Entries reach the list in runs of this many, so that a view hears of a long file in a
// few thousand steps rather than a million; nothing repaints between two runs anyway.
constexpr std::size_t kRun = 4096;

class PendingRun {
public:
    PendingRun(LinkList& links, const LinkListLoader::Progress& progress)
        : links_(links), progress_(progress) {}

    void add(const LinkListRecord::Fields& record) {
        texts_.emplace_back(record.text);
        checked_.push_back(record.checked);
        if (texts_.size() == kRun) {
            hand();
        }
    }

    void hand() {
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
        if (progress_) {
            progress_(appended_);
        }
    }

private:
    LinkList& links_;
    const LinkListLoader::Progress& progress_;
    std::vector<std::string> texts_;
    std::vector<bool> checked_;
    std::size_t appended_ = 0;
};

} // namespace

LinkListLoader::LinkListLoader(LinkList& links, ListFileBoxes& boxes)
    : links_(links), boxes_(boxes) {}

void LinkListLoader::load(const std::string& path, const Progress& progress) {
    LinkListFileReader reader(path);
    load(reader, reader.header(), progress);
}

void LinkListLoader::load(LinkListFileReader& reader, const LinkListFileReader::Header& header,
                          const Progress& progress) {
    boxes_.setBaseUrl(header.baseUrl);
    boxes_.setDownloadDirectory(header.directory);
    PendingRun run(links_, progress);
    try {
        while (const auto record = reader.next()) {
            run.add(*record);
        }
    } catch (...) {
        run.hand();
        throw;
    }
    run.hand();
}

} // namespace harvex2::core
