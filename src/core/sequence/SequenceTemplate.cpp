#include "core/sequence/SequenceTemplate.h"

#include "core/sequence/SequenceError.h"

namespace harvex2::core {

SequenceTemplate::SequenceTemplate(std::string_view text, char marker) {
    const auto at = text.find(marker);
    if (at == std::string_view::npos) {
        throw MissingMarkerError();
    }
    prefix_ = text.substr(0, at);
    suffix_ = text.substr(at + 1);
}

void SequenceTemplate::compose(std::string_view number, std::string& out) const {
    out.assign(prefix_);
    out.append(number);
    out.append(suffix_);
}

} // namespace harvex2::core
