#pragma once

#include <string_view>

namespace harvex2::core {

// A link cut into its parts without copying, by the generic syntax of RFC 3986 (and "\"
// ends the authority, as browsers read it). Every view points into the split text.
struct LinkParts {
    std::string_view scheme; // empty: the link has none
    bool hasAuthority = false;
    bool hasUserinfo = false;
    std::string_view userinfo; // before the last "@" of the authority
    std::string_view host;     // "[...]" kept for IPv6 addresses
    bool hasPort = false;
    std::string_view port; // digits after ":", possibly none
    std::string_view path;
    bool hasQuery = false;
    std::string_view query; // after "?"
    bool hasFragment = false;
    std::string_view fragment; // after "#"

    static LinkParts split(std::string_view link);

    // The last segment of the path: after its last "/" (or "\").
    std::string_view fileName() const;
};

} // namespace harvex2::core
