#pragma once

#include <stdexcept>

namespace harvex2::core {

// A series that cannot be made from the fields; what() is the text the user is shown.
class SequenceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The template holds no marker: the one failure shown in a box of its own, exactly as
// worded, rather than in the general error box.
class MissingMarkerError : public SequenceError {
public:
    MissingMarkerError() : SequenceError("Can't find the digit position marker") {}
};

} // namespace harvex2::core
