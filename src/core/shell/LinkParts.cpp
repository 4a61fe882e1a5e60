#include "core/shell/LinkParts.h"

#include "core/extract/UriReference.h"

namespace harvex2::core {

namespace {

void splitAuthority(std::string_view authority, LinkParts& parts) {
    if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
        parts.hasUserinfo = true;
        parts.userinfo = authority.substr(0, at);
        authority.remove_prefix(at + 1);
    }
    // An IPv6 address holds colons of its own: the port comes after "]".
    const auto closing = authority.starts_with('[') ? authority.find(']') : 0;
    const auto colon = authority.find(':', closing == std::string_view::npos ? 0 : closing);
    parts.host = authority.substr(0, colon);
    if (colon != std::string_view::npos) {
        parts.hasPort = true;
        parts.port = authority.substr(colon + 1);
    }
}

} // namespace

LinkParts LinkParts::split(std::string_view link) {
    LinkParts parts;
    if (const auto fragment = link.find('#'); fragment != std::string_view::npos) {
        parts.hasFragment = true;
        parts.fragment = link.substr(fragment + 1);
        link = link.substr(0, fragment);
    }
    if (const auto query = link.find('?'); query != std::string_view::npos) {
        parts.hasQuery = true;
        parts.query = link.substr(query + 1);
        link = link.substr(0, query);
    }
    if (const std::size_t schemeLength = UriReference::schemeLength(link); schemeLength > 0) {
        parts.scheme = link.substr(0, schemeLength);
        link.remove_prefix(schemeLength + 1);
    }
    if (link.starts_with("//")) {
        link.remove_prefix(2);
        const auto end = link.find_first_of("/\\");
        parts.hasAuthority = true;
        splitAuthority(link.substr(0, end), parts);
        link = end == std::string_view::npos ? std::string_view() : link.substr(end);
    }
    parts.path = link;
    return parts;
}

std::string_view LinkParts::fileName() const {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace harvex2::core
