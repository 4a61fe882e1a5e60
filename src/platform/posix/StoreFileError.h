#pragma once

#include <stdexcept>
#include <string>

namespace harvex2::platform {

// A settings file the store could not read or write. The text names the file and gives the
// reason, in the system's words where the system gave one: "<path>: No space left on device".
class StoreFileError : public std::runtime_error {
public:
    StoreFileError(const std::string& path, const std::string& reason)
        : std::runtime_error(path + ": " + reason) {}
};

} // namespace harvex2::platform
