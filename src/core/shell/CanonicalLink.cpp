#include "core/shell/CanonicalLink.h"

#include "core/extract/BaseUrl.h"
#include "core/shell/LinkParts.h"
#include "platform/AsciiText.h"

namespace harvex2::core {

namespace {

using platform::AsciiText;

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool isUnreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

void appendEscape(std::string& out, unsigned char c) {
    out += '%';
    out += kHexDigits[c >> 4];
    out += kHexDigits[c & 0xF];
}

// A "%" without two hex digits after it stays as it is: nothing says what it meant.
void appendNormalised(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int high = c == '%' && i + 2 < text.size() ? AsciiText::hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? AsciiText::hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            const auto decoded = static_cast<unsigned char>(high * 16 + low);
            if (isUnreserved(decoded)) {
                out += static_cast<char>(decoded);
            } else {
                appendEscape(out, decoded);
            }
            i += 2;
        } else if (c <= 0x20 || c == 0x7F) {
            appendEscape(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
}

bool isTracking(std::string_view parameter) {
    const std::string_view name = parameter.substr(0, parameter.find('='));
    return (name.size() >= 4 && AsciiText::equalsIgnoringCase(name.substr(0, 4), "utm_")) ||
           AsciiText::equalsIgnoringCase(name, "fbclid") ||
           AsciiText::equalsIgnoringCase(name, "gclid");
}

void appendQuery(std::string& out, std::string_view query, bool stripTracking) {
    if (!stripTracking) {
        out += '?';
        appendNormalised(out, query);
        return;
    }
    char separator = '?';
    while (true) {
        const auto amp = query.find('&');
        std::string parameter;
        appendNormalised(parameter, query.substr(0, amp));
        if (!isTracking(parameter)) {
            out += separator;
            out += parameter;
            separator = '&';
        }
        if (amp == std::string_view::npos) {
            return;
        }
        query.remove_prefix(amp + 1);
    }
}

std::string_view defaultPort(std::string_view scheme) {
    if (scheme == "http" || scheme == "ws") {
        return "80";
    }
    if (scheme == "https" || scheme == "wss") {
        return "443";
    }
    return scheme == "ftp" ? "21" : "";
}

void appendAuthority(std::string& out, const LinkParts& parts, std::string_view implicitPort) {
    out += "//";
    if (parts.hasUserinfo) {
        appendNormalised(out, parts.userinfo);
        out += '@';
    }
    const std::size_t hostStart = out.size();
    appendNormalised(out, parts.host);
    for (std::size_t i = hostStart; i < out.size(); ++i) {
        out[i] = AsciiText::lower(out[i]);
    }
    // Lower case turned the host's escapes to lower case too.
    for (std::size_t i = hostStart; i + 2 < out.size(); ++i) {
        if (out[i] == '%' && AsciiText::hexValue(out[i + 1]) >= 0 &&
            AsciiText::hexValue(out[i + 2]) >= 0) {
            out[i + 1] = AsciiText::upper(out[i + 1]);
            out[i + 2] = AsciiText::upper(out[i + 2]);
        }
    }
    if (!parts.port.empty() && parts.port != implicitPort) {
        out += ':';
        out += parts.port;
    }
}

} // namespace

std::string CanonicalLink::of(std::string_view link, const Options& options) {
    std::string out;
    appendTo(out, link, options);
    return out;
}

void CanonicalLink::appendTo(std::string& out, std::string_view link, const Options& options) {
    std::string joined;
    if (!options.base.empty() && !BaseUrl::isAbsolute(link)) {
        joined = BaseUrl::join(options.base, link);
        link = joined;
    }
    const LinkParts parts = LinkParts::split(link);
    out.reserve(out.size() + link.size() + 8);
    const std::size_t schemeStart = out.size();
    for (const char c : parts.scheme) {
        out += AsciiText::lower(c);
    }
    const std::string_view port = defaultPort(std::string_view(out).substr(schemeStart));
    if (out.size() > schemeStart) {
        out += ':';
    }
    if (parts.hasAuthority) {
        appendAuthority(out, parts, port);
    }
    appendNormalised(out, parts.path);
    if (parts.hasAuthority && parts.path.empty()) {
        out += '/';
    }
    if (parts.hasQuery) {
        appendQuery(out, parts.query, options.stripTracking);
    }
}

} // namespace harvex2::core
