#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace harvex2::core {

// What a download manager is told as each link's referrer. Many sites refuse a download
// that names no page.
struct Referrer {
    enum class Kind : std::int32_t { None = 0, Page = 1, Fixed = 2 };

    Kind kind = Kind::Page;
    std::string fixed;

    // A command-line value: "none", "page", or any other text as the fixed referrer.
    static Referrer parse(std::string_view value);
    // For a link found on `origin` (empty when unknown): the page is the origin, else the
    // Base URL.
    std::string_view forLink(std::string_view origin, std::string_view baseUrl) const;
};

} // namespace harvex2::core
