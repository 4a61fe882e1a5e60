#include "platform/RegistryError.h"

namespace harvex2::platform {

RegistryError RegistryError::failedToSet(const std::string& name, const std::string& cause) {
    const std::string text = "Failed to set data for '" + name + "'";
    return RegistryError(cause.empty() ? text : text + ".\n" + cause);
}

} // namespace harvex2::platform
