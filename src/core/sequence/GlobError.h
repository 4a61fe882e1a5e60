#pragma once

#include "core/sequence/SequenceError.h"

#include <cstddef>
#include <string>

namespace harvex2::core {

// A bracket template that cannot be expanded: why, and the position (1-based, in bytes)
// where reading it stopped.
class GlobError : public SequenceError {
public:
    GlobError(std::string reason, std::size_t position)
        : SequenceError(reason + " at position " + std::to_string(position)),
          reason_(std::move(reason)), position_(position) {}

    const std::string& reason() const { return reason_; }
    std::size_t position() const { return position_; }

private:
    std::string reason_;
    std::size_t position_;
};

} // namespace harvex2::core
