#include "core/sequence/LinkListSink.h"

#include <utility>

namespace harvex2::core {

void LinkListSink::append(std::string_view url) {
    pending_.emplace_back(url);
}

void LinkListSink::flush() {
    if (worthPassingOn(pending_.size(), links_.count())) {
        finish();
    }
}

void LinkListSink::finish() {
    links_.appendAll(std::exchange(pending_, {}));
}

} // namespace harvex2::core
