#pragma once

#include <stdexcept>

namespace harvex2::platform {

// Text that was meant to be a number but is not; what() is the text the program shows.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace harvex2::platform
