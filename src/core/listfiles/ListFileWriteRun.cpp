#include "core/listfiles/ListFileWriteRun.h"

#include "platform/IoError.h"
#include "platform/posix/ReplacingFile.h"

#include <algorithm>

namespace harvex2::core {

ListFileWriteRun::ListFileWriteRun(std::unique_ptr<platform::ReplacingFile> out, std::string head,
                                   std::size_t count, Entries entries, std::string tail,
                                   ListFileObserver& observer)
    : out_(std::move(out)), tail_(std::move(tail)), count_(count), entries_(std::move(entries)),
      observer_(observer), bytes_(std::move(head)) {}

ListFileWriteRun::~ListFileWriteRun() = default;

bool ListFileWriteRun::advance() {
    try {
        switch (stage_) {
        case Stage::Entries:
            if (cancelled_) {
                // The temporary file goes; the earlier file stays as it was.
                out_.reset();
                stage_ = Stage::Ended;
                return false;
            }
            writeSlice();
            return true;
        case Stage::Committing:
            if (commit_.wait_for(kCommitWait) != std::future_status::ready) {
                return true;
            }
            stage_ = Stage::Ended;
            commit_.get();
            return false;
        case Stage::Ended:
            break;
        }
    } catch (const platform::IoError& error) {
        stage_ = Stage::Ended;
        observer_.failed(error);
    }
    return false;
}

void ListFileWriteRun::complete() {
    while (advance()) {
    }
}

void ListFileWriteRun::writeSlice() {
    const std::size_t end = std::min(count_, next_ + kRun);
    entries_(bytes_, next_, end);
    next_ = end;
    if (next_ == count_) {
        bytes_ += tail_;
    }
    out_->write(bytes_);
    bytes_.clear();
    observer_.progressed(next_);
    if (next_ == count_) {
        stage_ = Stage::Committing;
        commit_ = std::async(std::launch::async, [file = out_.get()] { file->commit(); });
    }
}

} // namespace harvex2::core
