#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// The one rule by which relative links become full ones wherever links leave the program.
// It is a plain string operation: nothing is parsed, escaped or normalised.
class BaseUrl {
public:
    // True for a link holding "http://" or "ftp://" anywhere (so a redirect parameter
    // counts), and for a link that begins with a scheme of any case ("https:", "MAILTO:").
    static bool isAbsolute(std::string_view link);
    // The base followed by the link, with one "/" dropped where both sides have one.
    static std::string join(std::string_view base, std::string_view link);
    // The link as it leaves the program: joined when it is relative and there is a base.
    static std::string resolve(std::string_view base, std::string_view link);
};

} // namespace harvex2::core
