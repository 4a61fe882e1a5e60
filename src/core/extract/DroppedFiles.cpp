#include "core/extract/DroppedFiles.h"

#include <algorithm>

namespace harvex2::core {

namespace {

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

} // namespace

DropRoute DroppedFiles::route(const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return DropRoute::Nothing;
    }
    if (paths.size() > 1) {
        return DropRoute::ParseMany;
    }
    // ".shtml", ".aspx" and the like are pages too.
    const std::string ext = extension(paths.front());
    if (contains(ext, "HTM") || contains(ext, "ASP")) {
        return DropRoute::ParseHtml;
    }
    return ext == ".NVA" ? DropRoute::OpenLinkList : DropRoute::CannotHandle;
}

std::string DroppedFiles::extension(const std::string& path) {
    // A dot in a folder's name is not the file's extension.
    const std::size_t nameStart = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
        return {};
    }
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), asciiUpper);
    return ext;
}

} // namespace harvex2::core
