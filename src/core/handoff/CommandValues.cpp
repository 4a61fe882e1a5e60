#include "core/handoff/CommandValues.h"

#include "core/handoff/FileNameRule.h"

#include <filesystem>
#include <system_error>

namespace harvex2::core {

CommandValues CommandValues::forLink(std::string url, std::string_view dir, std::string givenName,
                                     std::string referer, std::size_t n) {
    std::string name = givenName.empty() ? linkFileName(url, n) : std::move(givenName);
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

bool CommandValues::makeNameFolders(std::string& error) const {
    const auto slash = name.rfind('/');
    if (slash == std::string::npos) {
        return true;
    }
    const std::filesystem::path folder = std::filesystem::path(dir) / name.substr(0, slash);
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) {
        error = folder.string() + ": " + failure.message();
        return false;
    }
    return true;
}

} // namespace harvex2::core
