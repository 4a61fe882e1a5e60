#include "core/sequence/TemplateFromUrl.h"

#include "core/sequence/BracketedHost.h"

namespace harvex2::core {

namespace {

// A longer run does not fit a 64-bit number and stays as it is.
constexpr std::size_t kMaxDigits = 19;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isGlobSign(char c) {
    return c == '[' || c == ']' || c == '{' || c == '}';
}

} // namespace

std::string TemplateFromUrl::make(std::string_view url) {
    std::string glob;
    for (std::size_t at = 0; at < url.size();) {
        const char c = url[at];
        // A backslash before a group or a bracketed host would make it literal text.
        const bool afterBackslash = at > 0 && url[at - 1] == '\\';
        if (const std::size_t host =
                c == '[' && !afterBackslash ? BracketedHost::lengthAt(url.substr(at)) : 0) {
            glob += url.substr(at, host);
            at += host;
        } else if (isDigit(c) && !afterBackslash) {
            std::size_t end = at;
            while (end < url.size() && isDigit(url[end])) {
                ++end;
            }
            const std::string_view digits = url.substr(at, end - at);
            if (digits.size() <= kMaxDigits) {
                glob.append("[").append(digits).append("-").append(digits).append("]");
            } else {
                glob += digits;
            }
            at = end;
        } else {
            if (isGlobSign(c)) {
                glob += '\\';
            }
            glob += c;
            ++at;
        }
    }
    return glob;
}

} // namespace harvex2::core
