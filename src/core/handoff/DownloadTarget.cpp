#include "core/handoff/DownloadTarget.h"

namespace harvex2::core {

std::string DownloadTarget::forLink(std::string_view folder, std::string_view link) {
    SavePlace place = placeFor(folder, link);
    return place.folder + place.fileName;
}

SavePlace DownloadTarget::placeFor(std::string_view folder, std::string_view link) {
    if (folder.empty()) {
        return {};
    }
    SavePlace place{std::string(folder), {}};
    if (place.folder.back() != kSeparator) {
        place.folder += kSeparator;
    }
    const auto slash = link.rfind('/');
    place.fileName = slash == std::string_view::npos ? link : link.substr(slash + 1);
    return place;
}

} // namespace harvex2::core
