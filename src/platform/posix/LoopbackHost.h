#pragma once

#include <string>
#include <string_view>

namespace harvex2::platform {

// Whether an address stays on this machine: a peer there must never be reached through a
// proxy, which would see the secret token and could answer in the peer's place.
class LoopbackHost {
public:
    // `host` as a URL writes it: "localhost", any of 127.0.0.0/8 in the forms IPv4 takes,
    // "[::1]" or an IPv4-mapped loopback address such as "[::ffff:127.0.0.1]".
    static bool isLoopback(std::string_view host);
    // The host part of `url`; empty when it has none or cannot be read.
    static std::string hostOf(const std::string& url);
};

} // namespace harvex2::platform
