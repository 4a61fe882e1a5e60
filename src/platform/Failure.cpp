#include "platform/Failure.h"

namespace harvex2::platform {

std::string namedFailure(const std::string& path, const std::string& reason) {
    return path.empty() ? reason : path + ": " + reason;
}

} // namespace harvex2::platform
