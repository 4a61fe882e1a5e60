#include "core/extract/BaseUrl.h"

namespace harvex2::core {

namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeCharacter(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// A letter, then letters, digits, "+", "-" or ".", then ":".
bool beginsWithScheme(std::string_view link) {
    if (link.empty() || !isAsciiLetter(link.front())) {
        return false;
    }
    for (std::size_t i = 1; i < link.size(); ++i) {
        if (link[i] == ':') {
            return true;
        }
        if (!isSchemeCharacter(link[i])) {
            return false;
        }
    }
    return false;
}

} // namespace

bool BaseUrl::isAbsolute(std::string_view link) {
    return link.find("http://") != std::string_view::npos ||
           link.find("ftp://") != std::string_view::npos || beginsWithScheme(link);
}

std::string BaseUrl::join(std::string_view base, std::string_view link) {
    if (!base.empty() && base.back() == '/' && !link.empty() && link.front() == '/') {
        link.remove_prefix(1);
    }
    std::string full;
    full.reserve(base.size() + link.size());
    full.append(base).append(link);
    return full;
}

std::string BaseUrl::resolve(std::string_view base, std::string_view link) {
    if (base.empty() || isAbsolute(link)) {
        return std::string(link);
    }
    return join(base, link);
}

} // namespace harvex2::core
