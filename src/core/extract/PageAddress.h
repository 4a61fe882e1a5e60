#pragma once

#include <string>
#include <string_view>

namespace harvex2::core {

// The address a page names as its own, from the first of: the comment a browser writes
// into a saved page ("<!-- saved from url=(0022)http://example.com/ -->"), the first
// <base href>, and <link rel="canonical">. A relative base counts when an address found
// before it resolves it. Only an address with "://" after its scheme can resolve links;
// "about:internet", which some browsers save for a page of no address, is none.
class PageAddress {
public:
    void reset();

    void comment(std::string_view text);
    void base(std::string_view href);
    void link(std::string_view rel, std::string_view href);

    // The address found, or empty.
    std::string address() const;

private:
    static bool isUsable(std::string_view address);

    std::string savedFrom_;
    std::string base_;
    bool baseSeen_ = false;
    std::string canonical_;
};

} // namespace harvex2::core
