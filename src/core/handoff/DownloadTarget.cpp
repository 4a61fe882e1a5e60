#include "core/handoff/DownloadTarget.h"

namespace harvex2::core {

std::string DownloadTarget::forLink(std::string_view folder, std::string_view link) {
    const auto slash = link.rfind('/');
    return forName(folder, slash == std::string_view::npos ? link : link.substr(slash + 1));
}

std::string DownloadTarget::forName(std::string_view folder, std::string_view name) {
    if (folder.empty()) {
        return {};
    }
    std::string target(folder);
    if (target.back() != kSeparator) {
        target += kSeparator;
    }
    return target += name;
}

} // namespace harvex2::core
