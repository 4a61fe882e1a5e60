#include "core/handoff/DownloadTarget.h"

namespace harvex2::core {

std::string DownloadTarget::forLink(std::string_view folder, std::string_view link) {
    if (folder.empty()) {
        return {};
    }
    std::string target(folder);
    if (target.back() != kSeparator) {
        target += kSeparator;
    }
    const auto slash = link.rfind('/');
    target += slash == std::string_view::npos ? link : link.substr(slash + 1);
    return target;
}

} // namespace harvex2::core
