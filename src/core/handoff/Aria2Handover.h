#pragma once

#include "core/handoff/Aria2Session.h"

#include <cstddef>
#include <string>
#include <vector>

namespace harvex2::core {

// What became of one batch: the links from `first` to before `end`.
struct Aria2Batch {
    std::size_t first = 0;
    std::size_t end = 0;
    Aria2Failure failure = Aria2Failure::None;
    // One per link when the batch was answered.
    std::vector<Aria2Outcome> outcomes;

    // On a failure, the links from `first` to before this one may have been taken; the rest
    // were not sent.
    std::size_t unconfirmedEnd() const {
        return failure == Aria2Failure::ConnectionLost ? end : first;
    }
};

// The hand-over of a list of links to aria2, batch after batch, as the Adding window and the
// command line both make it. Every call blocks until aria2 has answered or failed.
class Aria2Handover {
public:
    Aria2Handover(platform::JsonRpcClient& client, std::string secret,
                  std::vector<Aria2Link> links);

    Aria2Failure greet() { return session_.greet(); }
    bool finished() const { return next_ >= links_.size(); }
    // The batch that would go next: its first link and the one after its last.
    std::size_t nextFirst() const { return next_; }
    std::size_t nextEnd() const;
    // Sends the next batch. After a failure nothing more is sent.
    Aria2Batch sendNext();
    std::size_t count() const { return links_.size(); }

private:
    Aria2Session session_;
    std::vector<Aria2Link> links_;
    std::size_t next_ = 0;
};

} // namespace harvex2::core
