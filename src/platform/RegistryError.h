#pragma once

#include <stdexcept>
#include <string>

namespace harvex2::platform {

// Carries the texts the program shows for a failed store access:
// "Failed to get data for '%s'", "Invalid data type for '%s'", "Failed to set data for '%s'".
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // "Failed to set data for '<name>'"; when the store knows which file failed and why
    // (`cause`, "<path>: <reason>"), a full stop and the cause on a line of its own.
    static RegistryError failedToSet(const std::string& name, const std::string& cause = {});
};

} // namespace harvex2::platform
