#pragma once

#include <cstddef>
#include <string_view>

namespace harvex2::core {

// An IPv6 host in brackets, such as `[::1]` or `[fe80::1%eth0]`, is text in a bracket
// template, not a group: curl tells them apart by asking its URL parser whether the
// bracketed text up to the first `]` is a host, and so does this.
class BracketedHost {
public:
    // The length of the host at the start of `text` (which starts with `[`), up to and
    // including its `]`; 0 when it is not one.
    static std::size_t lengthAt(std::string_view text);
    // Whether `text` is an IPv6 address as the C library reads one (inet_pton).
    static bool isIpv6Address(std::string_view text);

private:
    static bool isZoneOk(std::string_view zone);
};

} // namespace harvex2::core
