#include "core/handoff/CommandTally.h"

namespace harvex2::core {

void CommandTally::add(std::size_t count) {
    if (!running()) {
        *this = {};
    }
    total_ += count;
}

void CommandTally::ended(const std::string& link, bool succeeded, const std::string& text) {
    ++ended_;
    if (!succeeded) {
        ++failed_;
        lastFailure_ = link + " (" + text + ")";
    }
}

std::string CommandTally::summary() const {
    std::string text =
        std::to_string(ended_ - failed_) + " of " + std::to_string(total_) + " downloaded";
    if (failed_ > 0) {
        text += "; " + std::to_string(failed_) + " failed" + (failed_ == 1 ? ": " : ", last: ") +
                lastFailure_;
    }
    return text;
}

} // namespace harvex2::core
