#include "core/handoff/Aria2Handover.h"

#include <algorithm>

namespace harvex2::core {

Aria2Handover::Aria2Handover(platform::JsonRpcClient& client, std::string secret,
                             std::vector<Aria2Link> links)
    : session_(client, std::move(secret)), links_(std::move(links)) {}

std::size_t Aria2Handover::nextEnd() const {
    return std::min(links_.size(), next_ + Aria2Session::kBatchSize);
}

Aria2Batch Aria2Handover::sendNext() {
    Aria2Batch batch{next_, nextEnd(), Aria2Failure::None, {}};
    const std::vector<Aria2Link> links(links_.begin() + static_cast<std::ptrdiff_t>(batch.first),
                                       links_.begin() + static_cast<std::ptrdiff_t>(batch.end));
    batch.failure = session_.add(links, batch.outcomes);
    next_ = batch.failure == Aria2Failure::None ? batch.end : links_.size();
    return batch;
}

} // namespace harvex2::core
