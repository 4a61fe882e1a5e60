#include "core/sequence/BracketedHost.h"

#include <algorithm>

namespace harvex2::core {

namespace {

// curl does not look further for the end of a host.
constexpr std::size_t kMaxHostLength = 128;
constexpr std::size_t kMaxZoneLength = 15;

bool isUnsafeByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Four decimal bytes with dots between them, none with a leading zero.
bool isIpv4Address(std::string_view text) {
    int octets = 0;
    bool sawDigit = false;
    unsigned value = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (sawDigit && value == 0) {
                return false;
            }
            value = value * 10 + static_cast<unsigned>(c - '0');
            if (value > 255) {
                return false;
            }
            if (!sawDigit) {
                ++octets;
                sawDigit = true;
            }
        } else if (c == '.' && sawDigit && octets < 4) {
            sawDigit = false;
            value = 0;
        } else {
            return false;
        }
    }
    return octets == 4 && sawDigit;
}

} // namespace

std::size_t BracketedHost::lengthAt(std::string_view text) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos || close + 1 >= kMaxHostLength) {
        return 0;
    }
    const std::string_view whole = text.substr(0, close + 1);
    if (std::any_of(whole.begin(), whole.end(), isUnsafeByte) ||
        whole.find_first_of("/?#") != std::string_view::npos) {
        return 0;
    }
    // Text before the first "@" is a user name, which the parser lets through.
    const std::size_t at = whole.find('@');
    const std::string_view host = at == std::string_view::npos ? whole : whole.substr(at + 1);
    if (host.size() < 4 || host.front() != '[') {
        return 0;
    }
    std::string_view address = host.substr(1, host.size() - 2);
    const std::size_t zone = address.find_first_not_of("0123456789abcdefABCDEF:.");
    if (zone != std::string_view::npos) {
        if (address[zone] != '%' || !isZoneOk(address.substr(zone + 1))) {
            return 0;
        }
        address = address.substr(0, zone);
    }
    return isIpv6Address(address) ? whole.size() : 0;
}

// A zone may be written after an escaped "%" ("%25eth0").
bool BracketedHost::isZoneOk(std::string_view zone) {
    if (zone.size() > 2 && zone.starts_with("25")) {
        zone.remove_prefix(2);
    }
    return !zone.empty() && zone.size() <= kMaxZoneLength;
}

bool BracketedHost::isIpv6Address(std::string_view text) {
    constexpr std::size_t kBytes = 16;
    std::size_t bytes = 0;
    bool compressed = false;
    if (text.starts_with(':')) {
        if (!text.starts_with("::")) {
            return false;
        }
        text.remove_prefix(1);
    }
    std::size_t token = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isHexDigit(c)) {
            if (++digits > 4) {
                return false;
            }
        } else if (c == ':') {
            token = i + 1;
            if (digits == 0) {
                if (compressed) {
                    return false;
                }
                compressed = true;
                continue;
            }
            if (token == text.size() || bytes + 2 > kBytes) {
                return false;
            }
            bytes += 2;
            digits = 0;
        } else {
            // Only the last four bytes may be written as an IPv4 address.
            if (c != '.' || bytes + 4 > kBytes || !isIpv4Address(text.substr(token))) {
                return false;
            }
            bytes += 4;
            digits = 0;
            break;
        }
    }
    if (digits > 0) {
        if (bytes + 2 > kBytes) {
            return false;
        }
        bytes += 2;
    }
    return compressed ? bytes < kBytes : bytes == kBytes;
}

} // namespace harvex2::core
