#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace harvex2::core {

// A URI reference in its five parts, and the resolution of a relative one against a base
// address by the rules of RFC 3986 (section 5.2), as a browser resolves the links of a
// page: `../up` climbs, `?page=2` keeps the path, `//host/x` keeps the scheme.
class UriReference {
public:
    // The length of the scheme that `text` begins with ("http" in "http://x"), 0 when it
    // begins with none: the reference is relative.
    static std::size_t schemeLength(std::string_view text);

    // `reference` made absolute against `base`, which must have a scheme. Blanks around
    // the reference are dropped, as a browser drops them.
    static std::string resolve(std::string_view base, std::string_view reference);

private:
    struct Parts {
        std::optional<std::string_view> scheme;
        std::optional<std::string_view> authority;
        std::string_view path;
        std::optional<std::string_view> query;
        std::optional<std::string_view> fragment;
    };

    static Parts split(std::string_view text);
    static std::string merge(const Parts& base, std::string_view path);
    static std::string removeDotSegments(std::string_view path);
    static std::string compose(const Parts& parts, std::string_view path);
};

} // namespace harvex2::core
