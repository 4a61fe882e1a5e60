#include "core/shell/RecoverySave.h"

#include "core/shell/RecoveryRecords.h"

#include <algorithm>
#include <filesystem>

namespace harvex2::core {

namespace {
// A slice encodes about this much, well under a millisecond of work, however long the links.
constexpr std::size_t kSliceBytes = 64 << 10;
constexpr std::size_t kSliceEntries = 2048;
} // namespace

RecoverySave::RecoverySave(const LinkList& links, const std::string& path, RecoveryMark& mark)
    : links_(links), path_(path),
      mark_(mark), target_{links.revision(), links.count(), links.origins().size(), true} {
    const bool appendOnly = mark.whole && links.reshapedAt() <= mark.revision;
    writing_ = appendOnly ? path_ : path_ + ".new";
    file_ = std::fopen(writing_.c_str(), appendOnly ? "ab" : "wb");
    next_ = appendOnly ? mark.entries : 0;
    if (!appendOnly) {
        buffer_.append(RecoveryRecords::kFirstLine);
    }
    RecoveryRecords::writeOrigins(buffer_, links.origins(), appendOnly ? mark.origins : 0,
                                  target_.origins);
    if (!file_) {
        mark_.whole = false;
    }
}

RecoverySave::~RecoverySave() {
    if (file_) {
        abandon();
    }
}

void RecoverySave::cancel() {
    if (file_) {
        abandon();
    }
}

bool RecoverySave::advance() {
    if (!file_) {
        return false;
    }
    if (links_.reshapedAt() > target_.revision) {
        abandon();
        return false;
    }
    const std::size_t first = next_;
    std::size_t bytes = 0;
    while (next_ < target_.entries && next_ - first < kSliceEntries && bytes < kSliceBytes) {
        bytes += links_.textAt(next_++).size() + 32;
    }
    if (next_ > first) {
        RecoveryRecords::writeEntries(buffer_, links_, first, next_);
    }
    if (!flush()) {
        abandon();
        return false;
    }
    if (next_ < target_.entries) {
        return true;
    }
    finish();
    return false;
}

bool RecoverySave::flush() {
    const bool written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size() &&
                         std::fflush(file_) == 0;
    buffer_.clear();
    return written;
}

void RecoverySave::finish() {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code error;
    if (closed && writing_ != path_) {
        std::filesystem::rename(writing_, path_, error);
    }
    if (!closed || error) {
        mark_.whole = false;
        return;
    }
    mark_ = target_;
}

// What was written stays only where it is whole: a file that gained part of a run
// is written whole next time.
void RecoverySave::abandon() {
    std::fclose(file_);
    file_ = nullptr;
    if (writing_ != path_) {
        std::error_code ignored;
        std::filesystem::remove(writing_, ignored);
    } else {
        mark_.whole = false;
    }
}

} // namespace harvex2::core
