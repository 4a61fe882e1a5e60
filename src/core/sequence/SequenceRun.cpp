#include "core/sequence/SequenceRun.h"

#include <algorithm>
#include <new>

namespace harvex2::core {

SequenceRun::SequenceRun(const SequenceSeries& series, SequenceSink& sink,
                         SequenceDialogPort& dialog, End& end)
    : series_(series), sink_(sink), dialog_(dialog), end_(end) {
    end_ = End::Running;
    dialog_.setProgressMaximum(series_.progressMaximum());
    dialog_.setProgressPosition(0);
}

bool SequenceRun::advance() {
    if (cancelled_) {
        end_ = End::Cancelled;
        return false;
    }
    try {
        if (makeSlice()) {
            return true;
        }
        end_ = End::Done;
    } catch (const std::bad_alloc&) {
        end_ = End::OutOfMemory;
    }
    return false;
}

// False once the last URL has been made and passed on.
bool SequenceRun::makeSlice() {
    const std::uint64_t count = series_.count();
    const std::uint64_t end = std::min(count, next_ + kSlice);
    for (; next_ < end; ++next_) {
        series_.urlAt(next_, url_);
        sink_.append(url_);
    }
    const bool more = next_ < count;
    if (more) {
        sink_.flush();
    } else {
        sink_.finish();
    }
    dialog_.setProgressPosition(series_.progressAfter(next_));
    return more;
}

} // namespace harvex2::core
