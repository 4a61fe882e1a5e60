#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// The form in which two links that name the same file are equal: scheme and host in lower
// case, the scheme's default port and the fragment dropped, "%xx" escapes in upper case
// and those of unreserved characters decoded, control bytes and spaces escaped, and an
// empty path written as "/". A relative link is resolved against the base first.
class CanonicalLink {
public:
    struct Options {
        std::string_view base;
        // Also drops the query parameters utm_*, fbclid and gclid.
        bool stripTracking = false;
    };

    static std::string of(std::string_view link, const Options& options);
    // The same, written to the end of `out`, so that a caller with many links can reuse one
    // buffer.
    static void appendTo(std::string& out, std::string_view link, const Options& options);
};

} // namespace harvex2::core
