#include "platform/posix/LoopbackHost.h"

#include "platform/AsciiText.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <memory>
#include <netinet/in.h>

namespace harvex2::platform {

namespace {

bool isLoopbackIpv4(const std::string& host) {
    in_addr address{};
    // inet_aton takes the short forms too ("127.1"), as URL parsers do.
    return ::inet_aton(host.c_str(), &address) != 0 && (ntohl(address.s_addr) >> 24) == 127;
}

bool isLoopbackIpv6(const std::string& host) {
    in6_addr address{};
    if (::inet_pton(AF_INET6, host.c_str(), &address) != 1) {
        return false;
    }
    return IN6_IS_ADDR_LOOPBACK(&address) ||
           (IN6_IS_ADDR_V4MAPPED(&address) && address.s6_addr[12] == 127);
}

struct UrlFree {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

} // namespace

bool LoopbackHost::isLoopback(std::string_view host) {
    if (AsciiText::equalsIgnoringCase(host, "localhost")) {
        return true;
    }
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        return isLoopbackIpv6(std::string(host.substr(1, host.size() - 2)));
    }
    return isLoopbackIpv4(std::string(host));
}

std::string LoopbackHost::hostOf(const std::string& url) {
    const std::unique_ptr<CURLU, UrlFree> parsed(curl_url());
    char* host = nullptr;
    if (!parsed ||
        curl_url_set(parsed.get(), CURLUPART_URL, url.c_str(), CURLU_GUESS_SCHEME) != CURLUE_OK ||
        curl_url_get(parsed.get(), CURLUPART_HOST, &host, 0) != CURLUE_OK) {
        return {};
    }
    std::string result(host);
    curl_free(host);
    return result;
}

} // namespace harvex2::platform
