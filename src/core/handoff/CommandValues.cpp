#include "core/handoff/CommandValues.h"

#include "core/handoff/FileNameRule.h"

namespace harvex2::core {

CommandValues CommandValues::forLink(std::string url, std::string_view dir, std::string referer,
                                     std::size_t n) {
    std::string name = linkFileName(url, n);
    return {std::move(url), dir.empty() ? std::string(".") : std::string(dir), std::move(name),
            std::move(referer), n};
}

std::string CommandValues::linkFileName(std::string_view url, std::size_t n) {
    const std::string_view path = url.substr(0, url.find_first_of("?#"));
    // The host is no file name: only a segment after the path's first "/" is.
    const auto scheme = path.find("://");
    const auto pathStart = path.find('/', scheme == std::string_view::npos ? 0 : scheme + 3);
    const std::string_view segment =
        pathStart == std::string_view::npos ? std::string_view() : path.substr(path.rfind('/') + 1);
    const auto name = FileNameRule::fromLinkSegment(segment);
    // "-" names standard output to most downloaders.
    if (!name || *name == "-") {
        return "download-" + std::to_string(n);
    }
    return *name;
}

} // namespace harvex2::core
